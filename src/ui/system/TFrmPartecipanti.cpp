#include "ui/system/TFrmPartecipanti.h"

#include <QPushButton>
#include <algorithm>

#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/RigheMemo.h"
#include "ui_TFrmPartecipanti.h"

TFrmPartecipanti::TFrmPartecipanti(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmPartecipanti>()), sistema_(sistema) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, QStringLiteral("partecipanti"));
    ui->SpinPartecipanti->setRange(1, MaxPartecipanti);
    ImpostaOggetto();
    connect(ui->CBSpecificaNomi, &QCheckBox::toggled, this, &TFrmPartecipanti::AggiornaForm);
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmPartecipanti::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmPartecipanti::reject);
    AggiornaForm();
}

TFrmPartecipanti::~TFrmPartecipanti() = default;

void TFrmPartecipanti::ImpostaOggetto() {
    // A count beyond the range (a damaged file) shows as the nearest bound.
    ui->SpinPartecipanti->setValue(std::clamp<int>(sistema_.NumeroPartecipanti, 1, MaxPartecipanti));
    ui->CBSpecificaNomi->setChecked(sistema_.SpecificaNomi);
    ui->MemoNomi->setPlainText(TestoDelleRighe(sistema_.NomiPartecipanti));
}

void TFrmPartecipanti::AggiornaForm() {
    const bool nomi = ui->CBSpecificaNomi->isChecked();
    ui->MemoNomi->setEnabled(nomi);
    ui->LabelNomi->setEnabled(nomi);
}

void TFrmPartecipanti::OKBtnClick() {
    const std::int32_t numero = ui->SpinPartecipanti->value();
    const bool specifica = ui->CBSpecificaNomi->isChecked();
    auto nomi = RigheDelTesto(ui->MemoNomi->toPlainText());
    if (numero != sistema_.NumeroPartecipanti || specifica != sistema_.SpecificaNomi ||
        nomi != sistema_.NomiPartecipanti) {
        sistema_.NumeroPartecipanti = numero;
        sistema_.SpecificaNomi = specifica;
        sistema_.NomiPartecipanti = std::move(nomi);
        sistema_.Modificato = true;
    }
    accept();
}
