#include "ui/conditions/TFrmBaricentri.h"

#include "ui_TFrmBaricentri.h"

TFrmBaricentri::TFrmBaricentri(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizione({"FrmBaricentri", "Baricentri", "baricentri"}, parent),
      ui(std::make_unique<Ui::TFrmBaricentri>()) {
    ui->setupUi(Contenuto());
    ImpostaOggetto(condizione);
}

TFrmBaricentri::~TFrmBaricentri() = default;

QList<TFrmCondizione::PuntiTabella> TFrmBaricentri::Punti() const {
    return {{ui->PtTutti, 0}, {ui->PtPari, 1}, {ui->PtDispari, 2}};
}
