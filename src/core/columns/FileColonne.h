#pragma once
// Column files (.Col): nothing but column masks, each a little-endian
// unsigned 32-bit value, one after another, with no header, count or
// terminator. The same sequence ends a system file. Files are moved 1000
// masks (4000 bytes) at a time.

#include <filesystem>
#include <istream>

#include "core/columns/ListaColonne.h"

namespace ludo {

inline constexpr char MsgErroreLetturaColonne[] =
    "Errore Di Lettura Sul File. Impossibile Leggere le Colonne.";
inline constexpr char MsgErroreScritturaColonne[] =
    "Errore Durante la Scrittura del File Colonnare";

// Writes the columns from head to tail, replacing percorso only once every
// byte is written (an existing file is never left half-written). Returns
// true when the file holds every column; a failure (the file cannot be
// created or replaced, the disk is full) is not returned but thrown as
// Errore(MsgErroreScritturaColonne).
bool ScriviFile(const ListaColonne& lista, const std::filesystem::path& percorso);

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
