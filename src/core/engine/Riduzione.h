#pragma once
// The reductions: keeping a subset of the developed columns so that every
// developed column still shares at least g numbers (the guarantee) with a
// kept one, or so that the kept columns stand at least d apart.

#include <cstdint>
#include <functional>
#include <vector>

#include "core/columns/ListaColonne.h"
#include "core/columns/Sottoinsiemi.h"
#include "core/io/Avanzamento.h"

namespace ludo {

struct ImpostazioniRiduzione {
    bool Riduci = false;           // reduce while developing
    bool Ottimizzata = false;      // reduce after the development instead
    bool DistanzaMinima = false;
    int Garanzia = 6;
    int DistMin = 5;
};

// The counters of the development the reduction adjusts, and its progress.
struct ContatoriSviluppo {
    std::int64_t Esaminate = 0;
    std::int64_t Accettate = 0;
};

// The reduction during a development: every accepted column goes through
// PassoRiduzione; kept columns are inserted before the head of the list.
class Riduttore {
public:
    Riduttore(ListaColonne& colonne, ImpostazioniRiduzione impostazioni, ContatoriSviluppo& contatori);

    void PassoRiduzione(Colonna c, int passo);
    // Keeps every pending column still not covered at the guarantee; false
    // when cancelled. progresso is called every 500 columns.
    bool SmaltisciSospese(const Avanzamento& annulla, const std::function<void()>& progresso);
    [[nodiscard]] std::size_t Sospese() const { return sospese_.size(); }

private:
    void Inserisci(Colonna c);
    void PassoGaranzia(Colonna c, int passo);
    [[nodiscard]] bool CopertaAllaGaranzia(Colonna c) const;

    ListaColonne& colonne_;
    ImpostazioniRiduzione imp_;
    ContatoriSviluppo& contatori_;
    std::vector<Colonna> tenute_;  // kept columns, in the order kept
    std::vector<Colonna> sospese_;
    IndiceSottoinsiemi ultimaCon5_;       // latest kept column (index + 1) holding each 5-subset
    IndiceSottoinsiemi coperturaG_;       // kept columns holding each g-subset
    IndiceSottoinsiemi oltreG_;           // kept columns holding each (g+1)-subset
    IndiceSottoinsiemi distanza_;         // kept columns holding each (9-d)-subset
};

// The greedy covering after a development: replaces the list with fewer
// columns covering every one of them within distanza (2 for guarantee 6,
// 1 for 7). Returns false, with the list emptied, when cancelled.
// progresso(fase, tenute, coperte, totale) reports its state.
bool RiduzioneOttimizzata(ListaColonne& colonne, int distanza, const Avanzamento& annulla,
                          const std::function<void(int, std::size_t, std::size_t, std::size_t)>& progresso);

}  // namespace ludo
