#include "ui/conditions/TFrmInterruzioni.h"

#include "ui_TFrmInterruzioni.h"

TFrmInterruzioni::TFrmInterruzioni(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizioneModo({"FrmInterruzioni", "Interruzioni", "interruzioni"}, parent),
      ui(std::make_unique<Ui::TFrmInterruzioni>()) {
    ui->setupUi(Contenuto());
    ImpostaTipo(ui->RadioNum, ui->RadioPD);
    ImpostaOggetto(condizione);
}

TFrmInterruzioni::~TFrmInterruzioni() = default;

QList<TFrmCondizione::PuntiTabella> TFrmInterruzioni::Punti() const {
    return {{ui->PtGlobali, 0}, {ui->PtPari, 1}, {ui->PtDispari, 2}};
}
