#pragma once
// The archive of past contests, kept in season/number order, with its files
// archivio.ttg (the contests) and archdb.ttg (the cached statistics tables
// of the archive analyses).

#include <array>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/archive/AnalisiArchivio.h"
#include "core/contests/ImpostazioniRicerca.h"
#include "core/contests/T_Concorso.h"
#include "core/io/Avanzamento.h"

namespace ludo {

inline constexpr const char* MsgImpossibileCaricareArchivio = "Impossibile Caricare L'Archivio.";
inline constexpr const char* MsgImpossibileSalvareModifiche = "Impossibile Salvare Le Modifiche.";
inline constexpr const char* MsgImpossibileAnnullareModifiche = "Impossibile Annullare Le Modifiche.";
inline constexpr const char* MsgQuantitaNumeri = "La quantità di numeri inserita è diversa da 8.";
inline constexpr const char* MsgConcorsoPresente = "Il concorso è già presente in memoria.";

inline constexpr const char* NomeFileArchivio = "archivio.ttg";
inline constexpr const char* NomeFileAnalisi = "archdb.ttg";

class ArchivioConcorsi {
public:
    [[nodiscard]] const std::vector<T_Concorso>& Concorsi() const { return concorsi_; }
    [[nodiscard]] std::size_t Conteggio() const { return concorsi_.size(); }
    [[nodiscard]] bool Vuoto() const { return concorsi_.empty(); }
    [[nodiscard]] const T_Concorso& operator[](std::size_t i) const { return concorsi_.at(i); }

    // Inserts before the first contest with a greater key (so after equal
    // ones) and returns the index where it now stands.
    std::size_t InserisciOrdinato(const T_Concorso& c);
    // Some contest has the same season and number (type ignored).
    [[nodiscard]] bool Esiste(std::uint16_t anno, std::uint8_t numero) const;
    [[nodiscard]] std::optional<std::size_t> Indice(std::uint16_t anno, std::uint8_t numero) const;
    void Elimina(std::size_t i);
    void Svuota() { concorsi_.clear(); }

    // Season years of the first and of the last contest (0 when empty).
    [[nodiscard]] int PrimoAnno() const;
    [[nodiscard]] int UltimoAnno() const;

    // Contests: 7-byte records until the end of the input; an incomplete last
    // record is dropped and makes the result false.
    bool LeggiConcorsi(std::istream& in);
    bool ScriviConcorsi(std::ostream& out) const;

    // The archive-analysis set and its cached tables.
    AnalisiArchivio Analisi;
    // archdb.ttg: the 26 tables back to back. All or nothing.
    bool LeggiAnalisi(std::istream& in);
    bool ScriviAnalisi(std::ostream& out) const;
    // Recomputes the analysis set from the contests (whole archive, every
    // contest type) and makes it valid.
    void RicalcolaAnalisi(Avanzamento& avanzamento = NessunAvanzamento());

    // Loads both files of folder (the ARCHIVI folder). An archive left empty
    // gets one new contest; tables that cannot be read in full are
    // recomputed from the contests (not saved); the search interval becomes
    // the whole archive. True only when both files were read in full;
    // ConcorsiValidi tells whether the contests were.
    bool Carica(const std::filesystem::path& cartella, IntervalloRicerca& intervallo,
                Avanzamento& avanzamento = NessunAvanzamento());
    // Writes archivio.ttg and archdb.ttg, each atomically, and puts neither
    // in place unless both were written: a failure leaves the contests on
    // disk as they were. Tables that are not valid are not written: the
    // stale file is removed so that the next load recomputes them.
    bool Salva(const std::filesystem::path& cartella) const;

    bool ConcorsiValidi = false;
    // False after any change of the contests until the tables are recomputed.
    bool AnalisiValide = false;

private:
    std::vector<T_Concorso> concorsi_;
};

// Search interval operations over an archive.
void IntervalloTuttoArchivio(IntervalloRicerca& intervallo, const ArchivioConcorsi& archivio);
bool ETuttoArchivio(const IntervalloRicerca& intervallo, const ArchivioConcorsi& archivio);

// The checks of the contest dialog: the message to show, or nothing when the
// contest may be confirmed: a season from 1979/1980 to 2098/2099, a number
// from 1 to 99, 8 winning numbers and, only when adding, no contest of the
// same season and number.
std::optional<std::string> VerificaConcorso(const T_Concorso& c, bool aggiunta, const ArchivioConcorsi& archivio);

// Archive maintenance: each checks the contest, then inserts it in order.
// They return the index where the contest stands, or throw Errore with the
// check's message and leave the archive unchanged.
std::size_t AggiungiConcorso(ArchivioConcorsi& archivio, const T_Concorso& c);
std::size_t ModificaConcorso(ArchivioConcorsi& archivio, std::size_t indice, const T_Concorso& c);
// Deletes a contest and returns the index to show next (clamped to the last).
std::size_t EliminaConcorso(ArchivioConcorsi& archivio, std::size_t indice);

// The contest the "Aggiungi" dialog proposes: the last contest's season,
// its number + 1, "Serie A", no numbers.
T_Concorso ConcorsoDaAggiungere(const ArchivioConcorsi& archivio);

}  // namespace ludo
