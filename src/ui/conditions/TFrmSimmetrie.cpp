#include "ui/conditions/TFrmSimmetrie.h"

#include "ui_TFrmSimmetrie.h"

TFrmSimmetrie::TFrmSimmetrie(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizioneModo({"FrmSimmetrie", "Simmetrie", "simmetrie"}, parent),
      ui(std::make_unique<Ui::TFrmSimmetrie>()) {
    ui->setupUi(Contenuto());
    ImpostaTipo(ui->RadioNum, ui->RadioPD);
    ImpostaOggetto(condizione);
}

TFrmSimmetrie::~TFrmSimmetrie() = default;

QList<TFrmCondizione::PuntiTabella> TFrmSimmetrie::Punti() const {
    return {{ui->PtDirette, 0}, {ui->PtInverse, 1}, {ui->PtTotali, 2}};
}
