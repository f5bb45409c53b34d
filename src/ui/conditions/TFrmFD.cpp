#include "ui/conditions/TFrmFD.h"

#include <algorithm>

#include "core/conditions/CondizioniNumeriche.h"
#include "ui_TFrmFD.h"

TFrmFD::TFrmFD(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizione({"FrmFD", "Formule Derivate", "formule-derivate"}, parent),
      ui(std::make_unique<Ui::TFrmFD>()) {
    ui->setupUi(Contenuto());
    connect(ui->AccettaBtn, &QPushButton::clicked, this,
            [this] { Sposta(ui->SrcList->selectedItems(), ui->DstList); });
    connect(ui->RifiutaBtn, &QPushButton::clicked, this,
            [this] { Sposta(ui->DstList->selectedItems(), ui->SrcList); });
    connect(ui->SrcList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* voce) { Sposta({voce}, ui->DstList); });
    connect(ui->DstList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* voce) { Sposta({voce}, ui->SrcList); });
    ImpostaOggetto(condizione);
}

TFrmFD::~TFrmFD() = default;

void TFrmFD::Metti(QListWidget* lista, int formula) {
    int riga = 0;
    while (riga < lista->count() && lista->item(riga)->data(Qt::UserRole).toInt() < formula) ++riga;
    auto* voce = new QListWidgetItem(QString::fromStdString(ludo::TestoFormulaDerivata(formula)));
    voce->setData(Qt::UserRole, formula);
    lista->insertItem(riga, voce);
}

void TFrmFD::Sposta(const QList<QListWidgetItem*>& scelte, QListWidget* a) {
    if (scelte.isEmpty()) return;
    a->clearSelection();
    for (QListWidgetItem* voce : scelte) {
        const int formula = voce->data(Qt::UserRole).toInt();
        delete voce;
        Metti(a, formula);
    }
    Modificata();
}

void TFrmFD::CaricaSpecifici(const ludo::TCondizione& vista) {
    const auto& fd = dynamic_cast<const ludo::TFormuleDerivate&>(vista);
    ui->SrcList->clear();
    ui->DstList->clear();
    const int ultima =
        std::clamp<int>(fd.UltimaFormula, 0, static_cast<int>(fd.Formule.size()) - 1);
    for (int k = 0; k <= ultima; ++k)
        Metti(fd.Formule[static_cast<std::size_t>(k)] ? ui->DstList : ui->SrcList, k);
}

bool TFrmFD::MemorizzaSpecifici(ludo::TCondizione& vista) {
    auto& fd = dynamic_cast<ludo::TFormuleDerivate&>(vista);
    fd.Formule.fill(false);
    for (int riga = 0; riga < ui->DstList->count(); ++riga) {
        fd.Formule[static_cast<std::size_t>(ui->DstList->item(riga)->data(Qt::UserRole).toInt())] =
            true;
    }
    return true;
}

void TFrmFD::AzzeraSpecifici(ludo::TCondizione& /*vista*/) {
    QList<QListWidgetItem*> tutte;
    for (int riga = 0; riga < ui->DstList->count(); ++riga) tutte.append(ui->DstList->item(riga));
    Sposta(tutte, ui->SrcList);
}
