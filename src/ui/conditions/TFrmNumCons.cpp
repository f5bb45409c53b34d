#include "ui/conditions/TFrmNumCons.h"

#include "ui_TFrmNumCons.h"

TFrmNumCons::TFrmNumCons(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizione({"FrmNumCons", "Numeri Consecutivi", "consecutivita-numerica"}, parent),
      ui(std::make_unique<Ui::TFrmNumCons>()) {
    ui->setupUi(Contenuto());
    ImpostaOggetto(condizione);
}

TFrmNumCons::~TFrmNumCons() = default;

QList<TFrmCondizione::PuntiTabella> TFrmNumCons::Punti() const {
    return {{ui->PtConsecutivita, 0}};
}
