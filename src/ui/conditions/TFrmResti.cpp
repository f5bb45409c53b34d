#include "ui/conditions/TFrmResti.h"

#include "core/conditions/CondizioniNumeriche.h"
#include "ui_TFrmResti.h"

TFrmResti::TFrmResti(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizione({"FrmResti", "Resti", "resti"}, parent),
      ui(std::make_unique<Ui::TFrmResti>()) {
    ui->setupUi(Contenuto());
    connect(ui->SpinDivisore, &QSpinBox::valueChanged, ui->PtResto, &TGGraphpt::setPtTotali);
    SegnalaModifiche({ui->SpinDivisore});
    ImpostaOggetto(condizione);
}

TFrmResti::~TFrmResti() = default;

QList<TFrmCondizione::PuntiTabella> TFrmResti::Punti() const { return {{ui->PtResto, 0}}; }

void TFrmResti::CaricaSpecifici(const ludo::TCondizione& vista) {
    ui->SpinDivisore->setValue(dynamic_cast<const ludo::TResti&>(vista).Divisore);
    ui->PtResto->setPtTotali(ui->SpinDivisore->value());
}

bool TFrmResti::MemorizzaSpecifici(ludo::TCondizione& vista) {
    dynamic_cast<ludo::TResti&>(vista).Divisore = ui->SpinDivisore->value();
    return true;
}
