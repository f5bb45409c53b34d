#include "ui/shop/TFrmSistAutomatici.h"

#include <random>

#include "core/checking/PesiRicevitoria.h"
#include "core/checking/Ricevitoria.h"
#include "core/io/Errore.h"
#include "core/system/Costi.h"
#include "ui/controls/FormatoLocale.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/SalvataggioConfigurazione.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/shop/StampaRicevitoria.h"
#include "ui/shop/TFormOrientamento.h"
#include "ui_TFrmSistAutomatici.h"

TFrmSistAutomatici::TFrmSistAutomatici(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmSistAutomatici>()),
      sistema_(sistema),
      giocate_(std::make_unique<GiocateDelConcorso>(sistema)) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    for (QRadioButton* r : {ui->RBRidFisso, ui->RBRidCasuale, ui->RBIntFisso, ui->RBIntCasuale})
        connect(r, &QRadioButton::toggled, this, &TFrmSistAutomatici::AggiornaForm);
    for (QSpinBox* s : {ui->SEIntNumeri, ui->SEIntMin, ui->SEIntMax, ui->SENumeri})
        connect(s, &QSpinBox::valueChanged, this, &TFrmSistAutomatici::AggiornaForm);
    connect(ui->StampaBtn, &QPushButton::clicked, this, &TFrmSistAutomatici::StampaClick);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &TFrmSistAutomatici::accept);
    AggiornaForm();
}

TFrmSistAutomatici::~TFrmSistAutomatici() = default;

void TFrmSistAutomatici::AggiornaForm() {
    const auto& config = sistema_.Dati->Config;
    ui->RBPicchetto->setEnabled(ludo::HaPicchetti(*sistema_.Dati));
    if (!ui->RBPicchetto->isEnabled() && ui->RBPicchetto->isChecked()) ui->RBCasuale->setChecked(true);
    const bool ridFisso = ui->RBRidFisso->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{ui->SENumeri, ui->SEFisse, ui->RBGaranzia6, ui->RBGaranzia7})
        w->setEnabled(ridFisso);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->SECostoMin, ui->SECostoMax, ui->CBGaranzia6, ui->CBGaranzia7})
        w->setEnabled(!ridFisso);
    // A system of n numbers takes up to n - 8 fixed numbers (at most 5).
    ui->SEFisse->setMaximum(std::min(5, ui->SENumeri->value() - 8));
    const bool intFisso = ui->RBIntFisso->isChecked();
    ui->SEIntNumeri->setEnabled(intFisso);
    ui->SEIntMin->setEnabled(!intFisso);
    ui->SEIntMax->setEnabled(!intFisso);
    if (ui->SEIntMax->value() < ui->SEIntMin->value()) ui->SEIntMin->setValue(ui->SEIntMax->value());
    const auto costo = [&](const QSpinBox* s) {
        return QStringLiteral(" ") + QString::fromStdString(ludo::TestoValuta(
                                         ludo::PrezzoColonnaDi(s->value(), config), config, FormatoNumeriLocale()));
    };
    ui->LabelCostoInt->setText(costo(ui->SEIntNumeri));
    ui->LabelCostoIntMin->setText(costo(ui->SEIntMin));
    ui->LabelCostoIntMax->setText(costo(ui->SEIntMax));
}

ludo::Tecnica TFrmSistAutomatici::TecnicaScelta() const {
    if (ui->RBStatistica->isChecked()) return ludo::Tecnica::Statistica;
    if (ui->RBPicchetto->isChecked()) return ludo::Tecnica::CasualeConPicchetto;
    return ludo::Tecnica::Casuale;
}

std::optional<std::vector<ludo::RichiestaSistema>> TFrmSistAutomatici::RichiesteACostoCasuale() {
    // The amounts are in lire whatever the currency shown.
    const auto candidati = ludo::CandidatiAutomatici(
        ludo::ElencoMatrici(sistema_.Cartella()), sistema_.Dati->Config.PrezzoLire, ui->SECostoMin->value(),
        ui->SECostoMax->value(), ui->CBGaranzia6->isChecked(), ui->CBGaranzia7->isChecked());
    if (candidati.empty()) {
        Informazione(QString::fromUtf8(ludo::MsgNessunSistemaDelCosto), TFrmMessage::OK, this);
        return std::nullopt;
    }
    std::vector<ludo::RichiestaSistema> richieste;
    const int quanti = ui->SESistemi->value();
    for (int k = 1; k <= quanti; ++k) {
        const auto& c = candidati[ludo::CandidatoDelSistema(candidati.size(), quanti, k)];
        richieste.push_back({c.numeri, c.fisse, c.garanzia, k});
    }
    return richieste;
}

std::optional<std::vector<ludo::RichiestaSistema>> TFrmSistAutomatici::Richieste() {
    const bool integrali = ui->Pagine->currentWidget() == ui->PaginaIntegrali;
    if (!integrali && ui->RBRidCasuale->isChecked()) return RichiesteACostoCasuale();
    std::mt19937 caso{std::random_device{}()};
    std::uniform_int_distribution<int> numeri(ui->SEIntMin->value(), ui->SEIntMax->value());
    std::vector<ludo::RichiestaSistema> richieste;
    for (int k = 1; k <= ui->SESistemi->value(); ++k) {
        if (integrali) {
            const int n = ui->RBIntFisso->isChecked() ? ui->SEIntNumeri->value() : numeri(caso);
            richieste.push_back({n, 0, ludo::TipoIntegrale, k});
        } else {
            richieste.push_back(
                {ui->SENumeri->value(), ui->SEFisse->value(), ui->RBGaranzia7->isChecked() ? 7 : 6, k});
        }
    }
    return richieste;
}

bool TFrmSistAutomatici::StampaSistema(ludo::TGenColonneCasuali& generatore, const ludo::RichiestaSistema& richiesta,
                                       int& tipoStampa) {
    ludo::SistemaDaStampare sistema;
    try {
        sistema = ludo::PreparaSistemaAutomatico(sistema_.Cartella(), generatore, richiesta,
                                                 CedolinaDelSistema(sistema_, ui->CBStampaConcorso->isChecked()));
    } catch (const ludo::Errore& e) {
        Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, this);
        return false;
    }
    if (tipoStampa == 0) tipoStampa = TFormOrientamento::Chiedi(sistema_.Dati->Config, this);
    if (tipoStampa == 0) return false;
    const auto lavoro = LavoroConCedolina(sistema, sistema.righe[5]);
    return StampaERegistra(this, sistema_, lavoro, {6, tipoStampa, true}, *giocate_,
                           [&](ludo::TArchivioGiocate& archivio) { ludo::RegistraGiocata(archivio, sistema); });
}

void TFrmSistAutomatici::StampaClick() {
    ludo::TGenColonneCasuali generatore;
    if (!ImpostaGeneratore(this, sistema_, generatore, TecnicaScelta(), ui->CBPronostico->isChecked())) return;
    const auto richieste = Richieste();
    if (!richieste) return;
    int tipoStampa = 0;
    for (const auto& richiesta : *richieste) {
        if (!StampaSistema(generatore, richiesta, tipoStampa)) break;
    }
    if (tipoStampa != 0) SalvaConfigurazioneOAvvisa(sistema_.Dati->Config, sistema_.Cartella(), this);
}
