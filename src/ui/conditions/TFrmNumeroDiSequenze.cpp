#include "ui/conditions/TFrmNumeroDiSequenze.h"

#include "ui_TFrmNumeroDiSequenze.h"

TFrmNumeroDiSequenze::TFrmNumeroDiSequenze(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizionePagine({"FrmNumeroDiSequenze", "Numero di Sequenze", "numero-sequenze"},
                           parent),
      ui(std::make_unique<Ui::TFrmNumeroDiSequenze>()) {
    ui->setupUi(Contenuto());
    ImpostaPagine(ui->PtPresenze, {ui->SpeedSeq1, ui->SpeedSeq2, ui->SpeedSeq3, ui->SpeedSeq4});
    ImpostaOggetto(condizione);
}

TFrmNumeroDiSequenze::~TFrmNumeroDiSequenze() = default;
