#include "ui/conditions/TFrmDistanzePart.h"

#include <QSignalBlocker>

#include "core/conditions/CondizioniNumeriche.h"
#include "ui_TFrmDistanzePart.h"

TFrmDistanzePart::TFrmDistanzePart(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizione({"FrmDistanzePart", "Distanze Particolari", "distanze-particolari"}, parent),
      ui(std::make_unique<Ui::TFrmDistanzePart>()) {
    ui->setupUi(Contenuto());
    connect(ui->SpinPrima, &QSpinBox::valueChanged, this, &TFrmDistanzePart::PrimaCambiata);
    connect(ui->SpinSeconda, &QSpinBox::valueChanged, this, &TFrmDistanzePart::SecondaCambiata);
    SegnalaModifiche({ui->SpinPrima, ui->SpinSeconda});
    ImpostaOggetto(condizione);
}

TFrmDistanzePart::~TFrmDistanzePart() = default;

QList<TFrmCondizione::PuntiTabella> TFrmDistanzePart::Punti() const {
    return {{ui->PtDistanza, 0}};
}

void TFrmDistanzePart::PrimaCambiata(int prima) {
    ui->SpinPrima->setValue(ludo::PrimaPosizioneOrdinata(prima, ui->SpinSeconda->value()));
}

void TFrmDistanzePart::SecondaCambiata(int seconda) {
    ui->SpinSeconda->setValue(ludo::SecondaPosizioneOrdinata(ui->SpinPrima->value(), seconda));
}

void TFrmDistanzePart::CaricaSpecifici(const ludo::TCondizione& vista) {
    const auto& distanza = dynamic_cast<const ludo::TDistanzaSpecifica&>(vista);
    // The positions come as they were stored, without putting them in order.
    const QSignalBlocker prima(ui->SpinPrima);
    const QSignalBlocker seconda(ui->SpinSeconda);
    ui->SpinPrima->setValue(distanza.Posizione1);
    ui->SpinSeconda->setValue(distanza.Posizione2);
}

bool TFrmDistanzePart::MemorizzaSpecifici(ludo::TCondizione& vista) {
    auto& distanza = dynamic_cast<ludo::TDistanzaSpecifica&>(vista);
    distanza.Posizione1 = ui->SpinPrima->value();
    distanza.Posizione2 = ui->SpinSeconda->value();
    return true;
}
