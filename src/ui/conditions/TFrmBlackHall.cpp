#include "ui/conditions/TFrmBlackHall.h"

#include "ui_TFrmBlackHall.h"

TFrmBlackHall::TFrmBlackHall(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizione({"FrmBlackHall", "Vortice", "vortice"}, parent),
      ui(std::make_unique<Ui::TFrmBlackHall>()) {
    ui->setupUi(Contenuto());
    ImpostaOggetto(condizione);
}

TFrmBlackHall::~TFrmBlackHall() = default;

QList<TFrmCondizione::PuntiTabella> TFrmBlackHall::Punti() const {
    return {{ui->PtPosizioneD, 0}, {ui->PtBracciD, 1}, {ui->PtPosizioneI, 2}, {ui->PtBracciI, 3}};
}

// The statistics follow the page shown: the direct vortex's tables or the
// inverse one's.
int TFrmBlackHall::Pagina() const { return ui->PageControl->currentIndex() + 1; }
