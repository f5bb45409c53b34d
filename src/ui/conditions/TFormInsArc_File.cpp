#include "ui/conditions/TFormInsArc_File.h"

#include <QPushButton>
#include <filesystem>

#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/TCondizioniSistema.h"
#include "core/conditions/TQuadro.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "core/statistics/ColonneFiltroInserite.h"
#include "ui/archive/CaselleIntervallo.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui_TFormInsArc_File.h"

namespace {

const QString PaginaGuida = QStringLiteral("inserimento-colonne-filtro");

}  // namespace

TFormInsArc_File::TFormInsArc_File(ludo::TQuadro& quadro, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormInsArc_File>()), quadro_(quadro) {
    ui->setupUi(this);
    if (quadro.Proprietario != nullptr && quadro.Proprietario->Archivio != nullptr) {
        for (const auto& c : *quadro.Proprietario->Archivio) archivio_.InserisciOrdinato(c);
    }
    intervallo_ = new CaselleIntervallo({ui->LabelPrimoAnnoDa, ui->SEAnnoDa, ui->SEConcDa, ui->LabelPrimoAnnoA,
                                         ui->SEAnnoA, ui->SEConcA},
                                        archivio_, this);
    ludo::IntervalloRicerca tutto;
    ludo::IntervalloTuttoArchivio(tutto, archivio_);
    intervallo_->Mostra(tutto);
    // New filter columns accept the points of a default one.
    ui->GrPunti->CaricaMisura(ludo::TColonnaFiltro(nullptr).Tabelle[0]);
    connect(ui->RadioArchivio, &QRadioButton::toggled, this, &TFormInsArc_File::AggiornaFonte);
    connect(ui->CercaBtn, &QPushButton::clicked, this, &TFormInsArc_File::CercaClick);
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFormInsArc_File::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFormInsArc_File::reject);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    AiutoFinestra(*this, PaginaGuida);
    RicordaFinestra(*this);
    intervallo_->Correggi();
    if (archivio_.Vuoto()) ui->RadioFile->setChecked(true);
    ui->RadioArchivio->setEnabled(!archivio_.Vuoto());
    AggiornaFonte();
}

TFormInsArc_File::~TFormInsArc_File() = default;

void TFormInsArc_File::AggiornaFonte() {
    const bool archivio = ui->RadioArchivio->isChecked();
    ui->GroupConcorsi->setEnabled(archivio);
    ui->EditFile->setEnabled(!archivio);
    ui->CercaBtn->setEnabled(!archivio);
}

void TFormInsArc_File::CercaClick() {
    const QString cartella = QString::fromStdString(
        ludo::io::resolvePath(std::filesystem::current_path(), ludo::io::kColonne).string());
    const QString file = ChiediFile(this, {QStringLiteral("Seleziona il File Colonnare"), cartella, {},
                                           QStringLiteral("File Colonnare (*.Col)"), QStringLiteral("Col")});
    if (!file.isEmpty()) ui->EditFile->setText(file);
}

void TFormInsArc_File::OKBtnClick() {
    std::vector<ludo::Colonna> colonne;
    if (ui->RadioArchivio->isChecked()) {
        const ludo::IntervalloRicerca intervallo = intervallo_->Intervallo();
        if (const auto errore = ludo::VerificaIntervallo(intervallo, archivio_, ludo::TipiDiConcorso::Tutti)) {
            Informazione(QString::fromStdString(*errore), TFrmMessage::OK, this);
            return;
        }
        colonne = ludo::ColonneDaArchivio(archivio_, intervallo);
    } else {
        try {
            colonne = ludo::ColonneDaFile(std::filesystem::path(ui->EditFile->text().toStdString()));
        } catch (const ludo::Errore& e) {
            Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, this);
            return;
        }
    }
    ludo::TColonnaFiltro modello(nullptr);
    ui->GrPunti->SalvaMisura(modello.Tabelle[0]);
    inserite_ = quadro_.InserisciColonneFiltro(colonne, modello.Tabelle[0], ui->CheckFlag->isChecked());
    accept();
}
