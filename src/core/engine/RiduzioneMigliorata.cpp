#include "core/engine/RiduzioneMigliorata.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <exception>
#include <limits>
#include <optional>
#include <thread>
#include <unordered_set>

#include "core/engine/OrbiteColonne.h"
#include "core/engine/RicercaCopertura.h"
#include "core/engine/RicercaTabuOrbite.h"
#include "core/engine/Riduzione.h"
#include "core/engine/VicinatoColonne.h"

namespace ludo {
namespace {

constexpr int kFaseRicerca = 4;
constexpr std::uint64_t kPassiTraControlli = 8;
constexpr std::uint64_t kPassiTraProgressi = 4096;
// A step of the search over orbits weighs as much as hundreds of swaps.
constexpr std::uint64_t kPassiOrbiteTraProgressi = 64;
// The searches over orbits share this part of the time and of the swaps.
constexpr double kQuotaOrbite = 2.0 / 3.0;
// A tabu search that has not left fewer orbits uncovered for so many steps
// starts again from other random orbits.
constexpr std::uint64_t kPassiPerRipartire = 3000;
constexpr std::uint64_t kSemiPerRipartenza = 1000003;
// The search over the orbits of one rotation ends when four such new starts
// in a row have not left fewer uncovered.
constexpr std::uint64_t kPassiOrbiteSenzaMiglioramento = 4 * kPassiPerRipartire;
// Nor does it make more steps than this: with many orbits to keep a step
// is slow, and the search over the columns makes better use of the time.
constexpr std::uint64_t kMassimoPassiOrbite = 20000;
// The rotations whose orbits are searched: of every free number, of all but
// the last, of all but the last two.
constexpr int kRotazioni = 3;
// Without a swap bound, a search ends after this many swaps per point of
// its graph with no smaller cover.
constexpr std::uint64_t kPassiSenzaMiglioramentoPerPunto = 1000;
// What the search has when the greedy covering took all the time, and what
// it leaves, of a time limit, to hand its cover back.
constexpr double kSecondiMinimi = 0.01;
constexpr double kSecondiPerConcludere = 0.25;
// The progress reaches its end only with the final report.
constexpr double kQuasiTutta = 0.99;
// Up to this many developed columns a second search, from the next seed,
// runs beside the first on another core; above it its memory is not worth it.
constexpr std::size_t kMassimoPerDueRicerche = 1'000'000;
constexpr auto kAttesaSeconda = std::chrono::milliseconds(20);

using Orologio = std::chrono::steady_clock;

// The share of the search one of its parts has: a part of the time still
// left, a part of the swaps, and where its progress lies in the whole (from
// da to a, 0..1).
struct Quota {
    double tempo;
    double da;
    double a;
};

// The bounds of one part of a search, and the user's cancel: the searches
// over orbits have two thirds of the time left and of the swaps, the
// search over columns the rest; all end by fine, when the reduction has a
// time limit.
class Arresto {
  public:
    // fatti: the swaps the parts before it made; what they left of their
    // share goes to this one.
    Arresto(const ParametriMigliorata& p, const Avanzamento& annulla, std::size_t punti,
            Quota quota, std::optional<Orologio::time_point> fine, std::uint64_t fatti)
        : annulla_(annulla), inizio_(Orologio::now()), quota_(quota) {
        if (fine) {
            const double rimasti = std::chrono::duration<double>(*fine - inizio_).count();
            secondi_ = std::max(rimasti * quota.tempo, kSecondiMinimi);
        }
        if (p.Passi > 0) {
            const auto finoA =
                static_cast<std::uint64_t>(std::llround(static_cast<double>(p.Passi) * quota.a));
            passi_ = std::max<std::uint64_t>(finoA > fatti ? finoA - fatti : 0, 1);
        }
        senzaMiglioramento_ = p.PassiSenzaMiglioramento;
        if (p.Passi == 0 && senzaMiglioramento_ == 0)
            senzaMiglioramento_ = kPassiSenzaMiglioramentoPerPunto * punti;
    }

    // The search ends after at most so many swaps with no smaller cover.
    Arresto& SenzaMiglioramentoAlPiu(std::uint64_t passi) {
        senzaMiglioramento_ =
            senzaMiglioramento_ == 0 ? passi : std::min(senzaMiglioramento_, passi);
        return *this;
    }

    // The search makes at most so many swaps.
    Arresto& PassiAlPiu(std::uint64_t passi) {
        passi_ = passi_ == 0 ? passi : std::min(passi_, passi);
        return *this;
    }

    // Checked every swap; the clock and the user every few swaps.
    bool Fermati(std::uint64_t passi, std::uint64_t passoMigliore, EsitoMigliorata& esito) {
        if (passi_ > 0 && passi >= passi_) return true;
        if (senzaMiglioramento_ > 0 && passi - passoMigliore >= senzaMiglioramento_) return true;
        if (passi % kPassiTraControlli != 0) return false;
        esito.Annullata = annulla_.annullato();
        const bool scaduta = secondi_ > 0 && Secondi() >= secondi_;
        esito.Scaduta = esito.Scaduta || scaduta;
        return esito.Annullata || scaduta;
    }

    // How far the whole search is, 0..1 (below 1 until it ends): this part
    // by the nearest of its bounds, never going back.
    [[nodiscard]] double Frazione(std::uint64_t passi, std::uint64_t passoMigliore) {
        double f = 0;
        if (secondi_ > 0) f = std::max(f, Secondi() / secondi_);
        if (passi_ > 0) f = std::max(f, static_cast<double>(passi) / static_cast<double>(passi_));
        if (senzaMiglioramento_ > 0) {
            f = std::max(f, static_cast<double>(passi - passoMigliore) /
                                static_cast<double>(senzaMiglioramento_));
        }
        fatta_ = std::max(fatta_, std::min(f, kQuasiTutta));
        return quota_.da + fatta_ * (quota_.a - quota_.da);
    }

  private:
    [[nodiscard]] double Secondi() const {
        return std::chrono::duration<double>(Orologio::now() - inizio_).count();
    }
    const Avanzamento& annulla_;
    Orologio::time_point inizio_;
    Quota quota_;
    double secondi_ = 0;
    std::uint64_t passi_ = 0;
    std::uint64_t senzaMiglioramento_ = 0;
    double fatta_ = 0;
};

template <typename Grafo>
std::size_t Colonne(const Grafo& g, const std::vector<std::size_t>& punti) {
    std::size_t n = 0;
    for (std::size_t p : punti) n += g.Dimensione(p);
    return n;
}

// One search over g from a cover of its points, until its bounds or no
// cover of fewer than limite columns can exist: the best cover found, in
// columns. riferisci(tenute, frazione) reports its progress.
template <typename Grafo, typename Riferisci>
std::vector<std::size_t> Cerca(const Grafo& g, std::vector<std::size_t> migliore,
                               std::size_t limite, Arresto arresto, std::uint64_t seme,
                               EsitoMigliorata& esito, Riferisci&& riferisci) {
    RicercaCopertura<Grafo> ricerca(g, migliore, seme);
    std::size_t colonne = Colonne(g, migliore);
    std::uint64_t passi = 0;
    std::uint64_t passoMigliore = 0;
    while (colonne > limite) {
        if (ricerca.Coperta()) {
            const std::size_t ora = Colonne(g, ricerca.Tenute());
            if (ora < colonne) {
                migliore = ricerca.Tenute();
                colonne = ora;
                passoMigliore = passi;
                riferisci(colonne, arresto.Frazione(passi, passoMigliore));
            }
            if (ricerca.Tenute().size() <= 1) break;
            ricerca.TogliMeno();
            continue;
        }
        if (arresto.Fermati(passi, passoMigliore, esito)) break;
        ricerca.Scambia();
        if (++passi % kPassiTraProgressi == 0)
            riferisci(colonne, arresto.Frazione(passi, passoMigliore));
    }
    esito.Passi += passi;
    esito.PassoMigliore = esito.Passi - (passi - passoMigliore);
    return migliore;
}

// No cover of n columns has fewer than n over the most columns one covers.
std::size_t LimiteInferiore(const VicinatoColonne& v) {
    return (v.N() + v.MassimoVicini() - 1) / v.MassimoVicini();
}

std::vector<std::size_t> Indici(const VicinatoColonne& v, const std::vector<Colonna>& colonne) {
    std::vector<std::size_t> indici;
    for (Colonna c : colonne) {
        const std::int32_t i = v.Indice(c);
        if (i >= 0) indici.push_back(static_cast<std::size_t>(i));
    }
    return indici;
}

// For each column of v, whether it is within the radius of a column of tenute.
std::vector<std::uint8_t> Coperte(const VicinatoColonne& v,
                                  const std::vector<std::size_t>& tenute) {
    std::vector<std::uint8_t> coperta(v.N(), 0);
    for (std::size_t t : tenute) v.PerOgniVicina(t, [&](std::size_t f) { coperta[f] = 1; });
    return coperta;
}

bool Copre(const VicinatoColonne& v, const std::vector<std::size_t>& tenute) {
    const auto coperta = Coperte(v, tenute);
    return std::all_of(coperta.begin(), coperta.end(), [](std::uint8_t c) { return c != 0; });
}

// tenute with columns added until every column of v is covered: for each
// column still uncovered, in order, the column covering it that covers the
// most uncovered ones.
std::vector<std::size_t> Completa(const VicinatoColonne& v, std::vector<std::size_t> tenute) {
    auto coperta = Coperte(v, tenute);
    for (std::size_t e = 0; e < v.N(); ++e) {
        if (coperta[e] != 0) continue;
        std::size_t scelta = e;
        std::size_t massimo = 0;
        v.PerOgniVicina(e, [&](std::size_t c) {
            std::size_t nuove = 0;
            v.PerOgniVicina(c, [&](std::size_t f) { nuove += coperta[f] == 0 ? 1 : 0; });
            if (nuove > massimo) {
                massimo = nuove;
                scelta = c;
            }
        });
        tenute.push_back(scelta);
        v.PerOgniVicina(scelta, [&](std::size_t f) { coperta[f] = 1; });
    }
    return tenute;
}

// The orbits of the columns given, once each.
std::vector<std::size_t> OrbiteDi(const OrbiteColonne& o, const std::vector<std::size_t>& colonne) {
    std::vector<std::size_t> orbite;
    for (std::size_t c : colonne) orbite.push_back(o.Orbita(c));
    std::sort(orbite.begin(), orbite.end());
    orbite.erase(std::unique(orbite.begin(), orbite.end()), orbite.end());
    return orbite;
}

std::vector<std::size_t> ColonneDi(const OrbiteColonne& o, const std::vector<std::size_t>& orbite) {
    std::vector<std::size_t> colonne;
    for (std::size_t orbita : orbite) {
        const auto membri = o.Colonne(orbita);
        colonne.insert(colonne.end(), membri.begin(), membri.end());
    }
    return colonne;
}

// The columns once each, in their order.
std::vector<Colonna> Distinte(const std::vector<Colonna>& colonne) {
    std::unordered_set<Colonna> viste;
    viste.reserve(colonne.size());
    std::vector<Colonna> distinte;
    for (Colonna c : colonne) {
        if (viste.insert(c).second) distinte.push_back(c);
    }
    return distinte;
}

// The orbits of the rotations of all the free numbers, of all but one and
// of all but two, those that fit in memory (none for an incomplete
// development).
std::vector<OrbiteColonne> Rotazioni(const VicinatoColonne& v) {
    std::vector<OrbiteColonne> rotazioni;
    for (int meno = 0; meno < kRotazioni && v.Liberi() - meno > 1; ++meno) {
        OrbiteColonne o(v, v.Liberi() - meno);
        if (o.N() > 0) rotazioni.push_back(std::move(o));
    }
    return rotazioni;
}

// The cancel of the second search: set by the first, which alone asks the
// user.
class Segnale : public Avanzamento {
  public:
    [[nodiscard]] bool annullato() const override { return fermo_.load(std::memory_order_relaxed); }
    void Ferma() { fermo_.store(true, std::memory_order_relaxed); }

  private:
    std::atomic<bool> fermo_{false};
};

// What one search works on, shared read-only by the two searches: the
// columns and, when the development is complete, the orbits of its
// rotations.
struct Problema {
    const VicinatoColonne& v;
    const std::vector<OrbiteColonne>& rotazioni;
    std::size_t limite;
    const ParametriMigliorata& parametri;
    std::optional<Orologio::time_point> fine;
};

struct Percorso {
    std::vector<std::size_t> migliore;  // columns of v
    EsitoMigliorata esito;
};

// Covers made of whole orbits of one rotation, each of fewer columns than
// the best so far: the tabu search looks for as many orbits as such a cover
// can have, and for one orbit fewer each time it finds one. When its
// bounds stop it, the orbits that left the fewest uncovered, completed with
// single columns, are its last try.
template <typename Riferisci>
std::vector<std::size_t> CercaOrbite(const Problema& p, const OrbiteColonne& o,
                                     std::vector<std::size_t> migliore, Arresto arresto,
                                     std::uint64_t seme, EsitoMigliorata& esito,
                                     Riferisci&& riferisci) {
    std::uint64_t passi = 0;
    std::uint64_t passoMigliore = 0;
    bool fermata = false;
    while (!fermata && migliore.size() > p.limite) {
        const std::size_t quante = (migliore.size() - 1) / static_cast<std::size_t>(o.Giro());
        if (quante == 0 || quante >= o.N()) break;
        RicercaTabuOrbite tabu(o, quante, seme + quante);
        std::uint64_t passoScoperte = passi;
        for (std::uint64_t volta = 1;
             !tabu.Coperta() && !(fermata = arresto.Fermati(passi, passoMigliore, esito));) {
            if (passi - passoScoperte >= kPassiPerRipartire) {
                tabu.Riparti(seme + quante + volta++ * kSemiPerRipartenza);
                passoScoperte = passi;
            }
            const std::size_t prima = tabu.MinimoScoperte();
            tabu.Passo();
            if (tabu.MinimoScoperte() < prima) passoScoperte = passoMigliore = passi;
            if (++passi % kPassiOrbiteTraProgressi == 0) {
                riferisci(migliore.size(), arresto.Frazione(passi, passoMigliore));
            }
        }
        auto trovata = Completa(p.v, ColonneDi(o, tabu.Migliori()));
        if (trovata.size() < migliore.size()) {
            migliore = std::move(trovata);
            passoMigliore = passi;
            riferisci(migliore.size(), arresto.Frazione(passi, passoMigliore));
        }
    }
    esito.Passi += passi;
    esito.PassoMigliore = esito.Passi - (passi - passoMigliore);
    return migliore;
}

// One search from the greedy cover: over whole orbits of each rotation, when
// the development is complete, then over the columns from the smallest
// cover. Each rotation has an equal part of the time the orbits have.
template <typename Riferisci>
Percorso Percorri(const Problema& p, std::vector<std::size_t> migliore, std::uint64_t seme,
                  const Avanzamento& annulla, Riferisci&& riferisci) {
    Percorso r;
    const auto rotazioni = static_cast<double>(p.rotazioni.size());
    const double parte = kQuotaOrbite / std::max(rotazioni, 1.0);
    double da = 0;
    const auto quota = [&](double larga) {
        const Quota q{larga / (1 - da), da, da + larga};
        da += larga;
        return q;
    };
    // A third of the first rotation's part goes to the search over its
    // orbits that starts from the greedy cover; the tabu searches have the
    // rest.
    if (!p.rotazioni.empty()) {
        const OrbiteColonne& o = p.rotazioni.front();
        const auto perOrbite = ColonneDi(
            o, Cerca(o, OrbiteDi(o, migliore), p.limite,
                     Arresto(p.parametri, annulla, o.N(), quota(parte / 3), p.fine, r.esito.Passi),
                     seme, r.esito, riferisci));
        if (perOrbite.size() < migliore.size()) migliore = perOrbite;
    }
    for (std::size_t k = 0; k < p.rotazioni.size() && !r.esito.Annullata; ++k) {
        const double finoA = parte * static_cast<double>(k + 1);
        const OrbiteColonne& o = p.rotazioni[k];
        migliore = CercaOrbite(
            p, o, std::move(migliore),
            Arresto(p.parametri, annulla, o.N(), quota(finoA - da), p.fine, r.esito.Passi)
                .SenzaMiglioramentoAlPiu(kPassiOrbiteSenzaMiglioramento)
                .PassiAlPiu(kMassimoPassiOrbite),
            seme, r.esito, riferisci);
    }
    if (!r.esito.Annullata) {
        migliore =
            Cerca(p.v, migliore, p.limite,
                  Arresto(p.parametri, annulla, p.v.N(), Quota{1, da, 1}, p.fine, r.esito.Passi),
                  seme, r.esito, riferisci);
    }
    r.migliore = std::move(migliore);
    return r;
}

// The second search, from seed + 1, on a thread of its own; it stops when
// told, and what it throws is thrown again by Risultato.
class SecondaRicerca {
  public:
    SecondaRicerca(const Problema& p, const std::vector<std::size_t>& greedy, std::uint64_t seme) {
        thread_ = std::thread([this, &p, greedy, seme] {
            try {
                percorso_ =
                    Percorri(p, greedy, seme, segnale_, [this](std::size_t colonne, double) {
                        std::size_t ora = migliore_.load();
                        while (colonne < ora && !migliore_.compare_exchange_weak(ora, colonne)) {
                        }
                    });
            } catch (...) {
                errore_ = std::current_exception();
            }
            finita_.store(true);
        });
    }
    SecondaRicerca(const SecondaRicerca&) = delete;
    SecondaRicerca& operator=(const SecondaRicerca&) = delete;
    ~SecondaRicerca() {
        segnale_.Ferma();
        if (thread_.joinable()) thread_.join();
    }

    // The columns of the best cover it has found so far.
    [[nodiscard]] std::size_t Migliore() const { return migliore_.load(); }

    // Waits for it to end, passing on the user's cancel meanwhile.
    Percorso Risultato(const Avanzamento& annulla) {
        while (!finita_.load()) {
            if (annulla.annullato()) segnale_.Ferma();
            std::this_thread::sleep_for(kAttesaSeconda);
        }
        thread_.join();
        if (errore_) std::rethrow_exception(errore_);
        return std::move(percorso_);
    }
    void Ferma() { segnale_.Ferma(); }

  private:
    Segnale segnale_;
    std::atomic<std::size_t> migliore_{std::numeric_limits<std::size_t>::max()};
    std::atomic<bool> finita_{false};
    Percorso percorso_;
    std::exception_ptr errore_;
    std::thread thread_;
};

}  // namespace

ParametriMigliorata ParametriSviluppo(const DefDest& d) {
    ParametriMigliorata p;
    p.Secondi = d.SecondiMigliorata;
    p.Seme = d.SemeMigliorata;
    return p;
}

std::vector<Colonna> MiglioraCopertura(const std::vector<Colonna>& sviluppate,
                                       const std::vector<Colonna>& copertura, int distanza,
                                       const ParametriMigliorata& parametri,
                                       const Avanzamento& annulla,
                                       const ProgressoRiduzione& progresso,
                                       EsitoMigliorata& esito) {
    std::optional<Orologio::time_point> fine;
    if (parametri.Secondi > 0) {
        fine = Orologio::now() + std::chrono::duration_cast<Orologio::duration>(
                                     std::chrono::duration<double>(parametri.Secondi));
    }
    esito.Greedy = esito.Finali = copertura.size();
    const VicinatoColonne v(sviluppate, distanza);
    std::vector<std::size_t> migliore = Indici(v, copertura);
    if (v.N() == 0 || migliore.size() != copertura.size() || !Copre(v, migliore)) return copertura;

    const Problema problema{v, Rotazioni(v), LimiteInferiore(v), parametri, fine};
    std::optional<SecondaRicerca> seconda;
    if (v.N() <= kMassimoPerDueRicerche) seconda.emplace(problema, migliore, parametri.Seme + 1);
    const auto riferisci = [&](std::size_t tenute, double frazione) {
        const auto n = static_cast<double>(v.N());
        if (seconda) tenute = std::min(tenute, seconda->Migliore());
        if (progresso)
            progresso(kFaseRicerca, tenute, static_cast<std::size_t>(n / 2 + frazione * n / 2),
                      v.N());
    };
    Percorso percorso = Percorri(problema, migliore, parametri.Seme, annulla, riferisci);
    esito.Annullata = percorso.esito.Annullata;
    esito.Scaduta = percorso.esito.Scaduta;
    esito.Passi = percorso.esito.Passi;
    esito.PassoMigliore = percorso.esito.PassoMigliore;
    if (seconda) {
        if (esito.Annullata) seconda->Ferma();
        Percorso altro = seconda->Risultato(annulla);
        esito.Annullata = esito.Annullata || altro.esito.Annullata;
        esito.Scaduta = esito.Scaduta || altro.esito.Scaduta;
        esito.Passi += altro.esito.Passi;
        // The first seed wins a tie, so the result does not hang on which ends first.
        if (altro.migliore.size() < percorso.migliore.size()) {
            percorso.migliore = std::move(altro.migliore);
            esito.PassoMigliore = altro.esito.PassoMigliore;
        }
    }
    migliore = std::move(percorso.migliore);

    std::sort(migliore.begin(), migliore.end());
    std::vector<Colonna> risultato;
    risultato.reserve(migliore.size());
    for (std::size_t i : migliore) risultato.push_back(v.Col(i));
    esito.Finali = risultato.size();
    if (progresso) progresso(kFaseRicerca, risultato.size(), v.N(), v.N());
    return risultato;
}

EsitoMigliorata RiduzioneMigliorata(ListaColonne& colonne, int distanza,
                                    const ParametriMigliorata& parametri,
                                    const Avanzamento& annulla,
                                    const ProgressoRiduzione& progresso) {
    const auto inizio = Orologio::now();
    EsitoMigliorata esito;
    esito.Iniziali = colonne.Conteggio();
    const std::vector<Colonna> sviluppate(colonne.begin(), colonne.end());
    // The greedy covering fills the first half of the progress.
    const bool completa = RiduzioneOttimizzata(
        colonne, distanza, annulla,
        [&](int fase, std::size_t tenute, std::size_t coperte, std::size_t totale) {
            if (progresso) progresso(fase, tenute, coperte / 2, totale);
        });
    if (!completa) {
        esito.Annullata = true;
        for (Colonna c : sviluppate) colonne.Aggiungi(c);
        return esito;
    }
    esito.Completa = true;
    const std::vector<Colonna> greedy(colonne.begin(), colonne.end());
    esito.Greedy = esito.Finali = greedy.size();
    const bool diOtto = std::all_of(sviluppate.begin(), sviluppate.end(),
                                    [](Colonna c) { return NumeroNumeri(c) == 8; });
    if (!diOtto || (distanza != 1 && distanza != 2)) return esito;
    // The seconds bound the whole reduction: the search has what the greedy
    // covering left.
    ParametriMigliorata ricerca = parametri;
    if (ricerca.Secondi > 0) {
        const double trascorsi = std::chrono::duration<double>(Orologio::now() - inizio).count();
        ricerca.Secondi =
            std::max(ricerca.Secondi - trascorsi - kSecondiPerConcludere, kSecondiMinimi);
    }
    const auto migliorata = MiglioraCopertura(Distinte(sviluppate), greedy, distanza, ricerca,
                                              annulla, progresso, esito);
    colonne.Svuota();
    for (Colonna c : migliorata) colonne.Aggiungi(c);
    return esito;
}

}  // namespace ludo
