#include "ui/system/TFrmCommento.h"

#include <QPushButton>

#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/RigheMemo.h"
#include "ui_TFrmCommento.h"

TFrmCommento::TFrmCommento(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmCommento>()), sistema_(sistema) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, QStringLiteral("commento"));
    ui->Memo->setPlainText(TestoDelleRighe(sistema_.Commento));
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmCommento::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmCommento::reject);
}

TFrmCommento::~TFrmCommento() = default;

void TFrmCommento::OKBtnClick() {
    auto righe = RigheDelTesto(ui->Memo->toPlainText());
    if (righe != sistema_.Commento) {
        sistema_.Commento = std::move(righe);
        sistema_.Modificato = true;
    }
    accept();
}
