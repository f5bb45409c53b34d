#pragma once
// An editor whose measure is a real number tested in intervals
// ("Picchetti", "Somme"): no points control, the interval pages instead.
// A view is stored only when its intervals read back and there is at
// least one of them.

#include "ui/conditions/TFrmCondizione.h"

class TGestoreGrid;

namespace ludo {
class TIntervalli;
}

class TFrmCondizioneIntervalli : public TFrmCondizione {
    Q_OBJECT
  protected:
    using TFrmCondizione::TFrmCondizione;

    // The interval pages and the values an interval may take; before
    // ImpostaOggetto.
    void ImpostaIntervalli(TGestoreGrid* pagine, double minimo, double massimo, bool soloInteri);

    [[nodiscard]] QList<PuntiTabella> Punti() const override { return {}; }
    void CaricaSpecifici(const ludo::TCondizione& vista) override;
    bool MemorizzaSpecifici(ludo::TCondizione& vista) override;
    void AzzeraSpecifici(ludo::TCondizione& vista) override;

    // The pages into a record (link letter included); false, with the
    // message shown, when they do not read back.
    bool LeggiPagine(ludo::TIntervalli& intervalli) const;
    [[nodiscard]] TGestoreGrid& Pagine() const { return *pagine_; }

  private:
    TGestoreGrid* pagine_ = nullptr;
};
