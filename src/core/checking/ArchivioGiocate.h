#pragma once
// The plays a betting shop recorded for one contest: single slips, integral
// systems and reduced systems, with their cost and their scores against the
// winning column. One file per contest in the "ArchivioGiocate" folder.

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <ostream>
#include <vector>

#include "core/checking/Spoglio.h"
#include "core/columns/ListaColonne.h"

namespace ludo {

struct TGiocataSchedina {
    std::array<Colonna, 6> Colonne{};  // one per slip position, 0 = empty
};

struct TGiocataIntegrale {
    Colonna Maschera = 0;  // more than 8 numbers, played as all its columns
};

struct TGiocataSistema {
    ListaColonne Colonne;
    double Data = 0;  // days since 30 December 1899
    double Ora = 0;   // fraction of a day
    std::int32_t Numeri = 0;
    Punteggi Punti{};  // of the last scoring, not stored
};

// The local date and time as stored: whole days since 30 December 1899 and
// the fraction of the day.
struct DataOra {
    double data = 0;
    double ora = 0;
};
DataOra Adesso();

class TArchivioGiocate {
public:
    explicit TArchivioGiocate(std::int32_t concorso) : Concorso(concorso) {}

    std::vector<TGiocataSchedina> Schedine;
    std::vector<TGiocataIntegrale> Integrali;
    std::vector<TGiocataSistema> Sistemi;
    std::int32_t Concorso;
    Punteggi PuntiSchedine{};
    Punteggi PuntiIntegrali{};
    Punteggi PuntiSistemi{};

    // cartella + "/ArchivioGiocate/Concorso_" + contest + ".dat".
    [[nodiscard]] std::filesystem::path Percorso(const std::filesystem::path& cartella) const;

    // Reads the contest's file. False, with the archive empty, when it is
    // missing or cut short.
    bool Carica(const std::filesystem::path& cartella);
    // Writes the contest's file, creating the folder when it is missing.
    // Throws Errore(MsgErroreScritturaGiocate) on failure; the old file is
    // then untouched.
    void Salva(const std::filesystem::path& cartella) const;

    bool Leggi(std::istream& in);
    bool Scrivi(std::ostream& out) const;

    void AggiungiSchedina(const std::array<Colonna, 6>& colonne) { Schedine.push_back({colonne}); }
    void AggiungiIntegrale(Colonna colonna) { Integrali.push_back({colonna}); }
    // The columns are copied; the play is dated quando.
    void AggiungiSistema(std::int32_t numeri, const ListaColonne& colonne, DataOra quando = Adesso());

    // The total cost in column prices times prezzo: every slip position and
    // every integral at C(k, 8) prices, every system at C(k, 8) of its first
    // column times its column count.
    [[nodiscard]] double Costo(double prezzo) const;

    // Fills every score table against the winning column (integral plays
    // counted over all their 8-number columns).
    void Spoglio(Colonna vincente);

private:
    void Svuota();
};

inline constexpr char MsgErroreScritturaGiocate[] = "Impossibile salvare l'archivio delle giocate";

}  // namespace ludo
