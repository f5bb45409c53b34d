#pragma once
// The boxes of a season and of a range of archived contests. A season is
// edited as its second year, 1980..2099, with the first year shown beside
// it; a range is an initial and a final contest, each a season and a
// contest number, kept in line with the archive while the user edits it.

#include <QObject>
#include <cstdint>

#include "core/archive/ArchivioConcorsi.h"
#include "core/archive/RegoleIntervallo.h"

class QLabel;
class TGSpinEdit;

// The arrows of a season box go over 1980..2099 (the arrows of a contest
// number box over 1..99); the keyboard may type any season whose first
// year a contest can hold, for the window's check to refuse.
void PreparaStagione(TGSpinEdit& secondoAnno, QLabel& primoAnno);
void PreparaNumeroConcorso(TGSpinEdit& numero);
// The season of a first year, and the first year of the season shown.
void MostraStagione(TGSpinEdit& secondoAnno, int anno);
[[nodiscard]] int AnnoDi(const TGSpinEdit& secondoAnno);

class CaselleIntervallo : public QObject {
  public:
    struct Caselle {
        QLabel* primoAnnoDa;
        TGSpinEdit* annoDa;
        TGSpinEdit* concDa;
        QLabel* primoAnnoA;
        TGSpinEdit* annoA;
        TGSpinEdit* concA;
    };

    // The season arrows keep within the archive's seasons; a change of one
    // box moves the others as CorreggiIntervallo says.
    CaselleIntervallo(const Caselle& caselle, const ludo::ArchivioConcorsi& archivio,
                      QObject* parent);

    void Mostra(const ludo::IntervalloRicerca& intervallo);
    // The range as the boxes hold it, with the given contest types.
    [[nodiscard]] ludo::IntervalloRicerca Intervallo(std::uint8_t tipi = ludo::TuttiITipi) const;
    // The range brought in line with the archive, as a change of every box would.
    void Correggi();

  private:
    void Cambiato(ludo::CampoIntervallo campo);

    Caselle c_;
    const ludo::ArchivioConcorsi& archivio_;
};
