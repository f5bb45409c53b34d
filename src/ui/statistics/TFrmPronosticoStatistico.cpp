#include "ui/statistics/TFrmPronosticoStatistico.h"

#include <QPushButton>

#include "core/statistics/AnalisiNumeri.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui_TFrmPronosticoStatistico.h"

TFrmPronosticoStatistico::TFrmPronosticoStatistico(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmPronosticoStatistico>()), sistema_(sistema) {
    ui->setupUi(this);
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmPronosticoStatistico::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
}

TFrmPronosticoStatistico::~TFrmPronosticoStatistico() = default;

void TFrmPronosticoStatistico::OKBtnClick() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ludo::ImpostaPronosticoStatistico(sistema_, ui->Partite->value(), ui->Azzera->isChecked());
    QApplication::restoreOverrideCursor();
    accept();
}
