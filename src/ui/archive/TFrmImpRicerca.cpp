#include "ui/archive/TFrmImpRicerca.h"

#include <QPushButton>

#include "core/archive/RegoleIntervallo.h"
#include "ui/archive/CaselleIntervallo.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/SalvataggioConfigurazione.h"
#include "ui/controls/TFrmMessage.h"
#include "ui_TFrmImpRicerca.h"

TFrmImpRicerca::TFrmImpRicerca(ludo::Configurazione& config, const ludo::ArchivioConcorsi& archivio,
                               std::filesystem::path cartellaProgramma, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmImpRicerca>()),
      config_(config),
      archivio_(archivio),
      cartella_(std::move(cartellaProgramma)) {
    ui->setupUi(this);
    intervallo_ = new CaselleIntervallo({ui->LabelPrimoAnnoDa, ui->SEAnnoDa, ui->SEConcDa,
                                         ui->LabelPrimoAnnoA, ui->SEAnnoA, ui->SEConcA},
                                        archivio_, this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    ImpostaOggetto();
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmImpRicerca::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmImpRicerca::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
}

TFrmImpRicerca::~TFrmImpRicerca() = default;

void TFrmImpRicerca::ImpostaOggetto() {
    const ludo::ImpostazioniRicerca& r = config_.Ricerca;
    const std::uint8_t tipi = r.Intervallo.Tipi;
    ui->CBSerieA->setChecked((tipi & ludo::SerieA) != 0);
    ui->CBSerieB->setChecked((tipi & ludo::SerieB) != 0);
    ui->CBSerieC->setChecked((tipi & ludo::SerieC) != 0);
    ui->CBAltri->setChecked((tipi & ludo::Altri) != 0);
    (r.PrimaSecondaCategoria ? ui->RBSeconda : ui->RBPrima)->setChecked(true);
    ui->CBColonneFiltro->setChecked(r.IgnoraColonneFiltro);
    ui->CBRipetizioni->setChecked(r.IgnoraRipetizioni);
    ui->CBValori->setChecked(r.IgnoraValori);
    intervallo_->Mostra(r.Intervallo);
}

ludo::ImpostazioniRicerca TFrmImpRicerca::AcquisisceForm() const {
    ludo::ImpostazioniRicerca r;
    const int tipi = (ui->CBSerieA->isChecked() ? ludo::SerieA : 0) |
                     (ui->CBSerieB->isChecked() ? ludo::SerieB : 0) |
                     (ui->CBSerieC->isChecked() ? ludo::SerieC : 0) |
                     (ui->CBAltri->isChecked() ? ludo::Altri : 0);
    r.Intervallo = intervallo_->Intervallo(static_cast<std::uint8_t>(tipi));
    r.PrimaCategoria = ui->RBPrima->isChecked();
    r.PrimaSecondaCategoria = ui->RBSeconda->isChecked();
    r.IgnoraColonneFiltro = ui->CBColonneFiltro->isChecked();
    r.IgnoraRipetizioni = ui->CBRipetizioni->isChecked();
    r.IgnoraValori = ui->CBValori->isChecked();
    return r;
}

void TFrmImpRicerca::OKBtnClick() {
    const ludo::ImpostazioniRicerca r = AcquisisceForm();
    if (const auto errore =
            ludo::VerificaIntervallo(r.Intervallo, archivio_, ludo::TipiDiConcorso::Scelti)) {
        Informazione(QString::fromStdString(*errore), TFrmMessage::OK, this);
        return;
    }
    config_.Ricerca = r;
    SalvaConfigurazioneOAvvisa(config_, cartella_, this);
    accept();
}
