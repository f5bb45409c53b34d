#include "ui/shop/TFormOrientamento.h"

#include "core/printing/StampaSchedine.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui_TFormOrientamento.h"

TFormOrientamento::TFormOrientamento(ludo::Configurazione& config, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormOrientamento>()), config_(config) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    (config_.ImpStampa.Orizzontale ? ui->RBOrizzontale : ui->RBVerticale)->setChecked(true);
    connect(ui->StampaBtn, &QPushButton::clicked, this, &TFormOrientamento::StampaClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFormOrientamento::reject);
}

TFormOrientamento::~TFormOrientamento() = default;

void TFormOrientamento::StampaClick() {
    config_.ImpStampa.Orizzontale = ui->RBOrizzontale->isChecked();
    accept();
}

int TFormOrientamento::Chiedi(ludo::Configurazione& config, QWidget* parent) {
    TFormOrientamento finestra(config, parent);
    if (finestra.exec() != QDialog::Accepted) return 0;
    return config.ImpStampa.Orizzontale ? ludo::StampaOrizzontale : ludo::StampaVerticale;
}
