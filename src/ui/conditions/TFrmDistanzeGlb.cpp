#include "ui/conditions/TFrmDistanzeGlb.h"

#include "ui_TFrmDistanzeGlb.h"

TFrmDistanzeGlb::TFrmDistanzeGlb(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizione({"FrmDistanzeGlb", "Distanze Globali", "distanze-globali"}, parent),
      ui(std::make_unique<Ui::TFrmDistanzeGlb>()) {
    ui->setupUi(Contenuto());
    ImpostaOggetto(condizione);
}

TFrmDistanzeGlb::~TFrmDistanzeGlb() = default;

QList<TFrmCondizione::PuntiTabella> TFrmDistanzeGlb::Punti() const {
    return {{ui->PtMinima, 0}, {ui->PtMassima, 1}, {ui->PtTotale, 2}};
}
