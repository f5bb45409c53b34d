#include "ui/system/TFrmCommento.h"

#include <QPushButton>

#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/RigheMemo.h"
#include "ui_TFrmCommento.h"

TFrmCommento::TFrmCommento(ludo::T_Sistema& sistema, QWidget* parent) : TFrmCommento(sistema.Commento, parent) {
    connect(this, &QDialog::accepted, this, [this, &sistema] {
        if (cambiato_) sistema.Modificato = true;
    });
}

TFrmCommento::TFrmCommento(std::vector<std::string>& righe, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmCommento>()), righe_(righe) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, QStringLiteral("commento"));
    ui->Memo->setPlainText(TestoDelleRighe(righe_));
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmCommento::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmCommento::reject);
}

TFrmCommento::~TFrmCommento() = default;

void TFrmCommento::OKBtnClick() {
    auto righe = RigheDelTesto(ui->Memo->toPlainText());
    if (righe != righe_) {
        righe_ = std::move(righe);
        cambiato_ = true;
    }
    accept();
}
