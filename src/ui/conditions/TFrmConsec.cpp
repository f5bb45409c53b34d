#include "ui/conditions/TFrmConsec.h"

#include "core/conditions/CondizioniNumeriche.h"
#include "ui_TFrmConsec.h"

TFrmConsec::TFrmConsec(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizione(
          {"FrmConsec", "Consecutività  Differenziata dei Segni", "consecutivita-differenziata"},
          parent),
      ui(std::make_unique<Ui::TFrmConsec>()) {
    ui->setupUi(Contenuto());
    SegnalaModifiche({ui->SpeedP, ui->SpeedD});
    ImpostaOggetto(condizione);
}

TFrmConsec::~TFrmConsec() = default;

QList<TFrmCondizione::PuntiTabella> TFrmConsec::Punti() const {
    return {{ui->PtSegni, 0}, {ui->PtConsecutivita, 1}};
}

void TFrmConsec::CaricaSpecifici(const ludo::TCondizione& vista) {
    const bool pari = dynamic_cast<const ludo::TConsecutivita&>(vista).Parita != 0;
    (pari ? ui->SpeedP : ui->SpeedD)->setChecked(true);
}

bool TFrmConsec::MemorizzaSpecifici(ludo::TCondizione& vista) {
    dynamic_cast<ludo::TConsecutivita&>(vista).Parita = ui->SpeedP->isChecked() ? 1 : 0;
    return true;
}
