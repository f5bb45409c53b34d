#pragma once
// Column files (.Col): nothing but column masks, each a little-endian
// unsigned 32-bit value, one after another, with no header, count or
// terminator. The same sequence ends a system file. Columns are moved 1000
// masks (4000 bytes) at a time. Every column file of the program is read
// and written through this unit.

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <span>

#include "core/columns/ListaColonne.h"
#include "core/io/AtomicSave.h"

namespace ludo {

inline constexpr char MsgErroreLetturaColonne[] =
    "Errore Di Lettura Sul File. Impossibile Leggere le Colonne.";
inline constexpr char MsgErroreScritturaColonne[] =
    "Errore Durante la Scrittura del File Colonnare";

inline constexpr std::size_t ColonneBloccoFile = 1000;

// Writes columns to a stream as a column file holds them.
class ScritturaFileColonne {
public:
    explicit ScritturaFileColonne(std::ostream& out) : out_(out) {}
    ScritturaFileColonne(const ScritturaFileColonne&) = delete;
    ScritturaFileColonne& operator=(const ScritturaFileColonne&) = delete;

    // False once a write to the stream failed.
    bool Aggiungi(Colonna c);
    // Writes what is kept in the block; false when a write failed.
    bool Svuota();
    [[nodiscard]] std::int64_t Scritte() const { return scritte_; }

private:
    std::ostream& out_;
    std::array<std::uint8_t, ColonneBloccoFile * sizeof(Colonna)> blocco_{};
    std::size_t pieni_ = 0;
    std::int64_t scritte_ = 0;
    bool buono_ = true;
};

// Reads the columns of a column file from a stream's current position to
// its end; 1 to 3 trailing bytes are ignored.
class LetturaFileColonne {
public:
    explicit LetturaFileColonne(std::istream& in) : in_(in) {}

    // The next columns, at most ColonneBloccoFile; empty at the end of the
    // stream or after a read error.
    std::span<const Colonna> Prossime();
    // The stream failed for another reason than its end.
    [[nodiscard]] bool Errore() const { return errore_; }
    // The whole columns from the current position to the end; nothing when
    // the stream cannot seek (a pipe).
    [[nodiscard]] std::optional<std::uint64_t> Restanti();

private:
    std::istream& in_;
    std::array<Colonna, ColonneBloccoFile> colonne_{};
    bool finito_ = false;
    bool errore_ = false;
};

// A column file written as it grows: the columns go to a temporary file
// beside the target, which replaces the target only on Conferma. Dropped
// without Conferma (a failure, a cancelled run), it leaves the target as it
// was and no temporary file behind.
class FileColonneInScrittura {
public:
    explicit FileColonneInScrittura(const std::filesystem::path& percorso)
        : file_(percorso), scrittura_(file_.stream()) {}

    [[nodiscard]] bool Aperto() const { return file_.isOpen(); }
    bool Aggiungi(Colonna c) { return scrittura_.Aggiungi(c); }
    // True when the target now holds every column added.
    bool Conferma() { return scrittura_.Svuota() && file_.commit(); }
    [[nodiscard]] std::int64_t Scritte() const { return scrittura_.Scritte(); }

private:
    io::AtomicFile file_;
    ScritturaFileColonne scrittura_;
};

// Writes the columns from head to tail, replacing percorso only once every
// byte is written (an existing file is never left half-written). Returns
// true when the file holds every column; a failure (the file cannot be
// created or replaced, the disk is full) is not returned but thrown as
// Errore(MsgErroreScritturaColonne).
bool ScriviFile(const ListaColonne& lista, const std::filesystem::path& percorso);
// The columns of the list, from head to tail, onto a stream.
bool ScriviColonne(const ListaColonne& lista, std::ostream& out);

// Reads an open column file from its current position to its end into the
// list, which is emptied first. Each mask is appended as it stands or, with
// espandi, through Espandi. Reading stops at the first short read, so 1 to 3
// trailing bytes are ignored. Returns false, with the list empty, on an
// input/output error and when the columns would not fit: more than the
// list's MassimoColonne() (checked against the file size before reading and
// against each set before expanding it) or more than memory holds. The caller then shows
// MsgErroreLetturaColonne.
bool LeggiFile(ListaColonne& lista, std::istream& fileAperto, bool espandi);

// Opens percorso and reads it whole as above; false also when it cannot be
// opened.
bool LeggiFile(ListaColonne& lista, const std::filesystem::path& percorso, bool espandi);

}  // namespace ludo
