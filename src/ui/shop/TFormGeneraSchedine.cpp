#include "ui/shop/TFormGeneraSchedine.h"

#include <random>

#include "core/checking/PesiRicevitoria.h"
#include "core/columns/FileColonne.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "core/system/Costi.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/FormatoLocale.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/SalvataggioConfigurazione.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/shop/StampaRicevitoria.h"
#include "ui/shop/TFormOrientamento.h"
#include "ui_TFormGeneraSchedine.h"

namespace {
constexpr char MsgErroreScrittura[] = "Errore durante la scrittura del file";
}

TFormGeneraSchedine::TFormGeneraSchedine(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFormGeneraSchedine>()),
      sistema_(sistema),
      giocate_(std::make_unique<GiocateDelConcorso>(sistema)) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    for (QLabel* l : {ui->LabelCostoFisso, ui->LabelCostoMinimo, ui->LabelCostoMassimo})
        l->setAccessibleName(QStringLiteral("Costo"));
    connect(ui->RBCostoFisso, &QRadioButton::toggled, this, &TFormGeneraSchedine::AggiornaForm);
    connect(ui->SERigaFissa, &QSpinBox::valueChanged, this, &TFormGeneraSchedine::AggiornaForm);
    connect(ui->SERigaMinima, &QSpinBox::valueChanged, this, &TFormGeneraSchedine::MinimoCambiato);
    connect(ui->SERigaMassima, &QSpinBox::valueChanged, this, &TFormGeneraSchedine::MassimoCambiato);
    connect(ui->GeneraStampaBtn, &QPushButton::clicked, this, &TFormGeneraSchedine::GeneraStampaClick);
    connect(ui->GeneraMemoriaBtn, &QPushButton::clicked, this, &TFormGeneraSchedine::GeneraMemoriaClick);
    connect(ui->GeneraFileBtn, &QPushButton::clicked, this, &TFormGeneraSchedine::GeneraFileClick);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &TFormGeneraSchedine::accept);
    AggiornaForm();
}

TFormGeneraSchedine::~TFormGeneraSchedine() = default;

void TFormGeneraSchedine::MostraRiga(int riga, QLabel* formato, QLabel* costo) const {
    const auto& config = sistema_.Dati->Config;
    formato->setText(QString::fromStdString(ludo::TestoFormato(riga)));
    costo->setText(QStringLiteral(" ") + QString::fromStdString(ludo::TestoValuta(
                                              static_cast<double>(ludo::ColonneRiga(riga)) *
                                                  ludo::PrezzoColonna(config),
                                              config, FormatoNumeriLocale())));
}

void TFormGeneraSchedine::AggiornaForm() {
    const bool fisso = ui->RBCostoFisso->isChecked();
    ui->RBPicchetto->setEnabled(ludo::HaPicchetti(*sistema_.Dati));
    if (!ui->RBPicchetto->isEnabled() && ui->RBPicchetto->isChecked()) ui->RBCasuale->setChecked(true);
    for (QWidget* w : {static_cast<QWidget*>(ui->SERigaFissa), static_cast<QWidget*>(ui->LabelRigaFissa)})
        w->setEnabled(fisso);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->SERigaMinima, ui->SERigaMassima, ui->LabelRigaMinima,
                                                      ui->LabelRigaMassima})
        w->setEnabled(!fisso);
    MostraRiga(ui->SERigaFissa->value(), ui->LabelFormatoFisso, ui->LabelCostoFisso);
    MostraRiga(ui->SERigaMinima->value(), ui->LabelFormatoMinimo, ui->LabelCostoMinimo);
    MostraRiga(ui->SERigaMassima->value(), ui->LabelFormatoMassimo, ui->LabelCostoMassimo);
    const bool colonne = fisso && ludo::SeiPosizioniUguali(ui->SERigaFissa->value());
    ui->GeneraMemoriaBtn->setEnabled(colonne);
    ui->GeneraFileBtn->setEnabled(colonne);
}

void TFormGeneraSchedine::MinimoCambiato() { MassimoCambiato(); }

void TFormGeneraSchedine::MassimoCambiato() {
    if (ui->SERigaMassima->value() < ui->SERigaMinima->value()) ui->SERigaMinima->setValue(ui->SERigaMassima->value());
    AggiornaForm();
}

ludo::Tecnica TFormGeneraSchedine::TecnicaScelta() const {
    if (ui->RBStatistica->isChecked()) return ludo::Tecnica::Statistica;
    if (ui->RBPicchetto->isChecked()) return ludo::Tecnica::CasualeConPicchetto;
    return ludo::Tecnica::Casuale;
}

std::optional<ludo::SchedineGenerate> TFormGeneraSchedine::Genera() {
    ludo::TGenColonneCasuali generatore;
    if (!ImpostaGeneratore(this, sistema_, generatore, TecnicaScelta(), ui->CBPronostico->isChecked()))
        return std::nullopt;
    std::mt19937 caso{std::random_device{}()};
    const bool fisso = ui->RBCostoFisso->isChecked();
    try {
        return ludo::GeneraSchedine(generatore, caso, ui->SESchedine->value(), fisso,
                                    fisso ? ui->SERigaFissa->value() : ui->SERigaMinima->value(),
                                    ui->SERigaMassima->value());
    } catch (const ludo::Errore& e) {
        Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, this);
        return std::nullopt;
    }
}

void TFormGeneraSchedine::GeneraStampaClick() {
    const int tipoStampa = TFormOrientamento::Chiedi(sistema_.Dati->Config, this);
    if (tipoStampa == 0) return;
    const auto schedine = Genera();
    if (!schedine) return;
    ludo::LavoroStampaSchedine lavoro;
    lavoro.Colonne = schedine->stampa;
    lavoro.SoloCosto = true;
    const bool fisso = ui->RBCostoFisso->isChecked();
    const StampaBatch batch{fisso ? ludo::PosizioniPiene(ui->SERigaFissa->value()) : 6, tipoStampa, false};
    StampaERegistra(this, sistema_, lavoro, batch, *giocate_, [&](ludo::TArchivioGiocate& archivio) {
        for (const auto& giocata : schedine->giocate) archivio.AggiungiSchedina(giocata);
    });
    SalvaConfigurazioneOAvvisa(sistema_.Dati->Config, sistema_.Cartella(), this);
}

void TFormGeneraSchedine::GeneraMemoriaClick() {
    const auto schedine = Genera();
    if (!schedine) return;
    auto& d = *sistema_.Dati;
    d.Colonne = schedine->stampa;
    d.Sviluppato = false;
    sistema_.Modificato = true;
}

void TFormGeneraSchedine::GeneraFileClick() {
    const QString file = ChiediFileDaScrivere(
        this, {QStringLiteral("Salva le Colonne"),
               QString::fromStdString(ludo::io::resolvePath(sistema_.Cartella(), ludo::io::kColonne).string()),
               QString(), QStringLiteral("Col file (*.Col)"), QStringLiteral("Col"), true});
    if (file.isEmpty()) return;
    const auto schedine = Genera();
    if (!schedine) return;
    if (!ludo::ScriviFile(schedine->stampa, file.toStdString()))
        Informazione(QString::fromUtf8(MsgErroreScrittura), TFrmMessage::OK, this);
}
