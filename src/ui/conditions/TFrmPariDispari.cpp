#include "ui/conditions/TFrmPariDispari.h"

#include "ui_TFrmPariDispari.h"

TFrmPariDispari::TFrmPariDispari(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizione({"FrmPariDispari", "Pari e Dispari", "pari-dispari"}, parent),
      ui(std::make_unique<Ui::TFrmPariDispari>()) {
    ui->setupUi(Contenuto());
    ImpostaOggetto(condizione);
}

TFrmPariDispari::~TFrmPariDispari() = default;

QList<TFrmCondizione::PuntiTabella> TFrmPariDispari::Punti() const {
    return {{ui->PtPari, 0}, {ui->PtDispari, 1}};
}
