#include "ui/coltools/TFormSalta.h"

#include <QPushButton>

#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui_TFormSalta.h"

TFormSalta::TFormSalta(int colonne, int attuale, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormSalta>()) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, QStringLiteral("editor"));
    ui->LabelColonna->setText(QStringLiteral("Colonna (1 - %1)").arg(colonne));
    ui->SpinColonna->setRange(1, colonne);
    ui->SpinColonna->setValue(attuale);
    ui->SpinColonna->selectAll();
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFormSalta::accept);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFormSalta::reject);
}

TFormSalta::~TFormSalta() = default;

int TFormSalta::Colonna() const { return ui->SpinColonna->value(); }
