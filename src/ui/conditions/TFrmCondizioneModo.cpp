#include "ui/conditions/TFrmCondizioneModo.h"

#include <QAbstractButton>
#include <QSignalBlocker>

#include "core/conditions/TCondizione.h"

void TFrmCondizioneModo::ImpostaTipo(QAbstractButton* numeri, QAbstractButton* schema) {
    numeri_ = numeri;
    schema_ = schema;
    connect(schema_, &QAbstractButton::toggled, this, &TFrmCondizioneModo::TipoScelto);
    SegnalaModifiche({numeri_, schema_});
}

void TFrmCondizioneModo::TipoScelto() {
    if (!VisteCaricate()) return;
    ludo::TCondizione& vista = Mostrata();
    // The marks made so far go into the view, which takes the new range,
    // and come back with it.
    MemorizzaPunti(vista);
    MemorizzaSpecifici(vista);
    CaricaPunti(vista);
}

void TFrmCondizioneModo::CaricaSpecifici(const ludo::TCondizione& vista) {
    const QSignalBlocker numeri(numeri_);
    const QSignalBlocker schema(schema_);
    numeri_->setChecked(vista.Modo == 0);
    schema_->setChecked(vista.Modo != 0);
}

bool TFrmCondizioneModo::MemorizzaSpecifici(ludo::TCondizione& vista) {
    vista.Modo = schema_->isChecked() ? 1 : 0;
    vista.AdattaIntervallo();
    return true;
}
