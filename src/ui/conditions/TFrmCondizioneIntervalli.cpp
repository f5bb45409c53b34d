#include "ui/conditions/TFrmCondizioneIntervalli.h"

#include "core/conditions/CondizioniReali.h"
#include "ui/controls/TGestoreGrid.h"

void TFrmCondizioneIntervalli::ImpostaIntervalli(TGestoreGrid* pagine, double minimo, double massimo,
                                                 bool soloInteri) {
    pagine_ = pagine;
    pagine_->ImpostaLimiti(minimo, massimo, soloInteri);
    connect(pagine_, &TGestoreGrid::Cambiato, this, &TFrmCondizioneIntervalli::Modificata);
}

bool TFrmCondizioneIntervalli::LeggiPagine(ludo::TIntervalli& intervalli) const {
    if (!pagine_->LeggiIntervalli(intervalli)) return false;
    intervalli.Link = pagine_->Link();
    // Worked out again by AggiornaStato.
    intervalli.InUso = false;
    return true;
}

void TFrmCondizioneIntervalli::CaricaSpecifici(const ludo::TCondizione& vista) {
    pagine_->ScriviIntervalli(dynamic_cast<const ludo::TCondizioneIntervalli&>(vista).Intervalli);
}

bool TFrmCondizioneIntervalli::MemorizzaSpecifici(ludo::TCondizione& vista) {
    ludo::TIntervalli letti;
    if (!LeggiPagine(letti) || pagine_->AvvisaSeVuoto(letti)) return false;
    dynamic_cast<ludo::TCondizioneIntervalli&>(vista).Intervalli = letti;
    return true;
}

void TFrmCondizioneIntervalli::AzzeraSpecifici(ludo::TCondizione& vista) {
    static_cast<void>(vista);
    pagine_->Svuota();
}
