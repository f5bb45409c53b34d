#include "ui/conditions/TFrmPosizioni.h"

#include "ui_TFrmPosizioni.h"

TFrmPosizioni::TFrmPosizioni(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizionePagine({"FrmPosizioni", "Posizioni", "posizioni"}, parent),
      ui(std::make_unique<Ui::TFrmPosizioni>()) {
    ui->setupUi(Contenuto());
    ImpostaPagine(ui->PtPresenze, {ui->SpeedPos1, ui->SpeedPos2, ui->SpeedPos3, ui->SpeedPos4,
                                   ui->SpeedPos5, ui->SpeedPos6, ui->SpeedPos7, ui->SpeedPos8});
    ImpostaOggetto(condizione);
}

TFrmPosizioni::~TFrmPosizioni() = default;
