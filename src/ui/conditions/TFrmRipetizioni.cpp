#include "ui/conditions/TFrmRipetizioni.h"

#include "ui_TFrmRipetizioni.h"

TFrmRipetizioni::TFrmRipetizioni(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizioneModo({"FrmRipetizioni", "Ripetizioni", "ripetizioni"}, parent),
      ui(std::make_unique<Ui::TFrmRipetizioni>()) {
    ui->setupUi(Contenuto());
    ImpostaTipo(ui->RadioNum, ui->RadioPD);
    ImpostaOggetto(condizione);
}

TFrmRipetizioni::~TFrmRipetizioni() = default;

QList<TFrmCondizione::PuntiTabella> TFrmRipetizioni::Punti() const {
    return {{ui->Pt1Prec, 0}, {ui->Pt2Prec, 1}};
}
