#include "core/engine/Riduzione.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <unordered_set>

#include "core/engine/VicinatoColonne.h"

namespace ludo {

Riduttore::Riduttore(ListaColonne& colonne, ImpostazioniRiduzione impostazioni, ContatoriSviluppo& contatori)
    : colonne_(colonne), imp_(impostazioni), contatori_(contatori),
      ultimaCon5_(imp_.Riduci && !imp_.DistanzaMinima ? 5 : 0),
      coperturaG_(imp_.Riduci && !imp_.DistanzaMinima ? imp_.Garanzia : 0),
      oltreG_(imp_.Riduci && !imp_.DistanzaMinima ? imp_.Garanzia + 1 : 0),
      distanza_(imp_.Riduci && imp_.DistanzaMinima ? std::max(0, 9 - imp_.DistMin) : 0) {}

void Riduttore::Inserisci(Colonna c) {
    colonne_.Inserisci(c);
    tenute_.push_back(c);
    const auto numero = static_cast<std::int32_t>(tenute_.size());
    if (imp_.DistanzaMinima) {
        distanza_.PerOgni(c, [&](std::size_t r) { ++distanza_.Valori[r]; });
        return;
    }
    ultimaCon5_.PerOgni(c, [&](std::size_t r) { ultimaCon5_.Valori[r] = numero; });
    coperturaG_.PerOgni(c, [&](std::size_t r) { ++coperturaG_.Valori[r]; });
    oltreG_.PerOgni(c, [&](std::size_t r) { ++oltreG_.Valori[r]; });
}

bool Riduttore::CopertaAllaGaranzia(Colonna c) const {
    bool coperta = false;
    coperturaG_.PerOgni(c, [&](std::size_t r) { coperta = coperta || coperturaG_.Valori[r] > 0; });
    return coperta;
}

void Riduttore::PassoRiduzione(Colonna c, int passo) {
    if (!imp_.Riduci || imp_.Ottimizzata) {
        colonne_.Aggiungi(c);
        return;
    }
    ++contatori_.Accettate;
    if (imp_.DistanzaMinima) {
        // Kept only when no kept column shares 9 - d or more numbers with it.
        bool vicina = distanza_.K() == 0 ? !tenute_.empty() : false;
        if (distanza_.K() > 0) distanza_.PerOgni(c, [&](std::size_t r) { vicina = vicina || distanza_.Valori[r] > 0; });
        if (!vicina) Inserisci(c);
        return;
    }
    PassoGaranzia(c, passo);
}

void Riduttore::PassoGaranzia(Colonna c, int passo) {
    if (passo == 1) {
        // Scanning the kept columns from the newest, the first one sharing 5
        // or more numbers stops the scan, and all before it share at most 4:
        // so the largest share seen is that column's.
        std::int32_t ultima = 0;
        ultimaCon5_.PerOgni(c, [&](std::size_t r) { ultima = std::max(ultima, ultimaCon5_.Valori[r]); });
        if (ultima == 0) {
            Inserisci(c);
            return;
        }
        if (NumeriComuni(c, tenute_[static_cast<std::size_t>(ultima - 1)]) < imp_.Garanzia) {
            sospese_.push_back(c);
            --contatori_.Esaminate;
            --contatori_.Accettate;
        }
        return;
    }
    // Later passes: covered once per kept column sharing exactly g numbers,
    // or at once by one sharing more.
    bool completa = false;
    oltreG_.PerOgni(c, [&](std::size_t r) { completa = completa || oltreG_.Valori[r] > 0; });
    if (completa) return;
    std::int64_t coperture = 0;
    coperturaG_.PerOgni(c, [&](std::size_t r) { coperture += coperturaG_.Valori[r]; });
    if (coperture < passo) Inserisci(c);
}

bool Riduttore::SmaltisciSospese(const Avanzamento& annulla, const std::function<void()>& progresso) {
    std::size_t fatte = 0;
    bool completato = true;
    for (Colonna c : sospese_) {
        ++contatori_.Esaminate;
        ++contatori_.Accettate;
        if (!CopertaAllaGaranzia(c)) Inserisci(c);
        if (++fatte % 500 == 0) {
            if (progresso) progresso();
            if (annulla.annullato()) {
                completato = false;
                break;
            }
        }
    }
    sospese_.clear();
    if (progresso) progresso();
    return completato;
}

// ---------------------------------------------------------------------------
// The optimised reduction.

namespace {

// The developed columns and which of them are covered. The columns of 8
// numbers cover each other within the distance; the same column listed
// twice is covered with its twin, and a mask of any other size covers only
// itself.
class Copertura {
public:
    Copertura(const ListaColonne& lista, int distanza)
        : colonne_(lista.begin(), lista.end()), vicinato_(DistinteDiOtto(colonne_), distanza),
          elemento_(colonne_.size(), -1), prossima_(colonne_.size(), -1), prima_(vicinato_.N(), -1),
          coperta_(colonne_.size(), false), elementoCoperto_(vicinato_.N(), false) {
        std::vector<std::int32_t> ultima(vicinato_.N(), -1);
        for (std::size_t i = 0; i < colonne_.size(); ++i) {
            const std::int32_t e = NumeroNumeri(colonne_[i]) == 8 ? vicinato_.Indice(colonne_[i]) : -1;
            elemento_[i] = e;
            if (e < 0) continue;
            const auto u = static_cast<std::size_t>(e);
            (ultima[u] < 0 ? prima_[u] : prossima_[static_cast<std::size_t>(ultima[u])]) = static_cast<std::int32_t>(i);
            ultima[u] = static_cast<std::int32_t>(i);
        }
    }

    [[nodiscard]] std::size_t N() const { return colonne_.size(); }
    [[nodiscard]] Colonna Col(std::size_t i) const { return colonne_[i]; }
    [[nodiscard]] bool Coperta(std::size_t i) const { return coperta_[i]; }

    // Uncovered columns (counted once however often listed) that column i
    // covers, up to limite.
    [[nodiscard]] int Conta(std::size_t i, int limite) const {
        const std::int32_t e = elemento_[i];
        if (e < 0) return coperta_[i] ? 0 : std::min(1, limite);
        int n = 0;
        vicinato_.Finche(static_cast<std::size_t>(e), [&](std::size_t f) {
            if (!elementoCoperto_[f]) ++n;
            return n < limite;
        });
        return n;
    }

    // Marks the uncovered columns that column i covers; returns them.
    std::vector<std::size_t> Copri(std::size_t i) {
        std::vector<std::size_t> nuove;
        const std::int32_t e = elemento_[i];
        if (e < 0) {
            if (!coperta_[i]) nuove.push_back(i);
            coperta_[i] = true;
            return nuove;
        }
        vicinato_.PerOgniVicina(static_cast<std::size_t>(e), [&](std::size_t f) {
            if (elementoCoperto_[f]) return;
            elementoCoperto_[f] = true;
            for (std::int32_t j = prima_[f]; j >= 0; j = prossima_[static_cast<std::size_t>(j)]) {
                coperta_[static_cast<std::size_t>(j)] = true;
                nuove.push_back(static_cast<std::size_t>(j));
            }
        });
        return nuove;
    }

private:
    static std::vector<Colonna> DistinteDiOtto(const std::vector<Colonna>& colonne) {
        std::vector<Colonna> distinte;
        std::unordered_set<Colonna> viste;
        for (Colonna c : colonne) {
            if (NumeroNumeri(c) == 8 && viste.insert(c).second) distinte.push_back(c);
        }
        return distinte;
    }

    std::vector<Colonna> colonne_;
    VicinatoColonne vicinato_;
    std::vector<std::int32_t> elemento_;  // each listed column's place among the distinct ones, -1 if not 8 numbers
    std::vector<std::int32_t> prossima_;  // the next listing of the same column
    std::vector<std::int32_t> prima_;     // each distinct column's first listing
    std::vector<bool> coperta_;
    std::vector<bool> elementoCoperto_;
};

class Ottimizzatore {
public:
    Ottimizzatore(const ListaColonne& lista, int distanza, const Avanzamento& annulla,
                  const std::function<void(int, std::size_t, std::size_t, std::size_t)>& progresso)
        : copertura_(lista, distanza), distanza_(distanza), annulla_(annulla), progresso_(progresso) {}

    bool Esegui() {
        if (copertura_.N() == 0) return true;
        if (!Fase1()) return false;
        return Fasi2e3();
    }
    const std::vector<Colonna>& Risultato() const { return risultato_; }

private:
    void Tieni(std::size_t i, int fase) {
        risultato_.push_back(copertura_.Col(i));
        for (std::size_t c : copertura_.Copri(i)) {
            ++coperte_;
            if (fase == 1) candidate_.push_back(c);
        }
        if (progresso_) progresso_(fase, risultato_.size(), coperte_, copertura_.N());
    }

    bool Fase1() {
        const int d0 = distanza_ == 2 ? 4 : 3;
        IndiceSottoinsiemi vicinanza(9 - d0);
        auto lontana = [&](Colonna c) {
            bool vicina = false;
            vicinanza.PerOgni(c, [&](std::size_t r) { vicina = vicina || vicinanza.Valori[r] > 0; });
            return !vicina;
        };
        auto tieniInFase1 = [&](std::size_t i) {
            const std::size_t prima = coperte_;
            vicinanza.PerOgni(copertura_.Col(i), [&](std::size_t r) { ++vicinanza.Valori[r]; });
            Tieni(i, 1);
            obiettivo_ = static_cast<int>(coperte_ - prima);
        };
        for (std::size_t i = 0; i < copertura_.N() && coperte_ < copertura_.N(); ++i) {
            if (annulla_.annullato()) return false;
            if (copertura_.Coperta(i) || !lontana(copertura_.Col(i))) continue;
            tieniInFase1(i);
        }
        for (std::size_t i = 0; i < copertura_.N(); ++i) {
            if (!copertura_.Coperta(i)) candidate_.push_back(i);
        }
        return true;
    }

    bool Fasi2e3() {
        const double fattore = distanza_ == 2 ? 0.99 : 0.8;
        const auto soglia = static_cast<std::size_t>(std::llround(static_cast<double>(copertura_.N()) * fattore));
        // The last coverage count found for each column, as a candidate taken
        // from the uncovered columns (phase 2) or from the candidates (phase 3).
        std::vector<int> contiScoperte(copertura_.N(), 0);
        std::vector<int> contiCandidate(copertura_.N(), 0);
        std::vector<std::size_t> scoperte;
        int fase = 2;
        while (coperte_ < copertura_.N()) {
            if (fase == 2 && coperte_ > soglia) {
                fase = 3;
                obiettivo_ = 10000;
            }
            if (fase == 2) {
                scoperte.clear();
                for (std::size_t i = 0; i < copertura_.N(); ++i) {
                    if (!copertura_.Coperta(i)) scoperte.push_back(i);
                }
            }
            int migliore = 0;
            const bool fatto = fase == 2 ? Passo(scoperte, contiScoperte, true, fase, migliore)
                                         : Passo(candidate_, contiCandidate, false, fase, migliore);
            if (!fatto) return false;
            if (fase == 2) obiettivo_ = migliore;
        }
        if (progresso_) progresso_(3, risultato_.size(), coperte_, copertura_.N());
        return true;
    }

    // One step over the candidates (column indices, with their stored counts;
    // soloScoperte: candidates covered meanwhile leave the list). Returns
    // false when cancelled; migliore is the step's best count.
    bool Passo(const std::vector<std::size_t>& lista, std::vector<int>& conti, bool soloScoperte, int fase,
               int& migliore) {
        bool tenuto = false;
        std::size_t nodoMigliore = lista.size();
        migliore = 0;
        for (std::size_t pos = 0; pos < lista.size(); ++pos) {
            if (pos % 10 == 0 && annulla_.annullato()) return false;
            const std::size_t i = lista[pos];
            if (soloScoperte && copertura_.Coperta(i)) continue;
            int& conteggio = conti[i];
            if (conteggio != 0 && conteggio <= migliore) continue;
            conteggio = copertura_.Conta(i, obiettivo_);
            if (conteggio >= obiettivo_ && conteggio > 0) {
                Tieni(i, fase);
                tenuto = true;
                migliore = 0;
                nodoMigliore = lista.size();
                if (coperte_ >= copertura_.N()) return true;
                pos = static_cast<std::size_t>(-1);  // restart from the head
                continue;
            }
            if (conteggio > migliore) {
                migliore = conteggio;
                nodoMigliore = pos;
            }
        }
        if (!tenuto && nodoMigliore < lista.size()) Tieni(lista[nodoMigliore], fase);
        return true;
    }

    Copertura copertura_;
    int distanza_;
    const Avanzamento& annulla_;
    const std::function<void(int, std::size_t, std::size_t, std::size_t)>& progresso_;
    std::vector<std::size_t> candidate_;
    std::vector<Colonna> risultato_;
    std::size_t coperte_ = 0;
    int obiettivo_ = 0;
};

}  // namespace

bool RiduzioneOttimizzata(ListaColonne& colonne, int distanza, const Avanzamento& annulla,
                          const std::function<void(int, std::size_t, std::size_t, std::size_t)>& progresso) {
    Ottimizzatore o(colonne, distanza, annulla, progresso);
    const bool completata = o.Esegui();
    colonne.Svuota();
    if (!completata) return false;
    for (Colonna c : o.Risultato()) colonne.Aggiungi(c);
    return true;
}

}  // namespace ludo
