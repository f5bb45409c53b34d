#include "ui/shop/TFormDatiRicevitoria.h"

#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/SalvataggioConfigurazione.h"
#include "ui_TFormDatiRicevitoria.h"

TFormDatiRicevitoria::TFormDatiRicevitoria(ludo::Configurazione& config, std::filesystem::path cartella,
                                           QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormDatiRicevitoria>()), config_(config), cartella_(std::move(cartella)) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    ImpostaOggetto();
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFormDatiRicevitoria::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFormDatiRicevitoria::reject);
}

TFormDatiRicevitoria::~TFormDatiRicevitoria() = default;

std::array<QLineEdit*, 4> TFormDatiRicevitoria::Caselle() const {
    return {ui->EditIntestazione, ui->EditIndirizzo, ui->EditCitta, ui->EditTelefono};
}

void TFormDatiRicevitoria::ImpostaOggetto() {
    const auto caselle = Caselle();
    for (std::size_t i = 0; i < caselle.size(); ++i)
        caselle[i]->setText(QString::fromStdString(config_.DatiRicevitoria[i]));
}

void TFormDatiRicevitoria::OKBtnClick() {
    const auto caselle = Caselle();
    for (std::size_t i = 0; i < caselle.size(); ++i) {
        // The file keeps 60 characters a line; the boxes take at most 50.
        config_.DatiRicevitoria[i] = caselle[i]->text().left(ludo::CapacitaRigaRicevitoria).toStdString();
    }
    SalvaConfigurazioneOAvvisa(config_, cartella_, this);
    accept();
}
