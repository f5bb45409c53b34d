#pragma once
// Set operations between two column files, the columns a reduced system
// leaves uncovered, and the random reordering of a file.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/io/Avanzamento.h"

namespace ludo {

enum class Operazione { Or, And, Xor, CoperturaN1, CoperturaN2, Disordinatore };

inline constexpr char MsgOperazioniSuiFile[] = "Impossibile Effettuare le Operazioni Sui File";
inline constexpr char MsgOperazioniSulFile[] = "Impossibile Effettuare le Operazioni sul File";
inline constexpr char MsgElaborazioneTerminata[] = "Elaborazione Terminata.";
inline constexpr char NomeUscitaPredefinito[] = "FileOutput.col";

struct EsitoOperazione {
    bool annullata = false;
    bool fileScritto = false;
    std::size_t colonne = 0;  // columns of the result
    std::string messaggio;    // empty when cancelled
};

// The entry of the operation list (" OR", " AND", ..., " Disordinatore").
const char* NomeOperazione(Operazione operazione);

// Runs the operation. primo is the first file (the reduced system of the
// coverages, the file to shuffle); secondo is streamed 1,000 columns at a
// time and is not used by the shuffle. OR is the union without repeats, in
// the order the columns first appear in the first file and then the second.
// Progress (0..100) is reported every 20 columns of the second file (of the
// file for the shuffle); annullato() is polled after every column and stops
// the run without writing. A result with no columns writes no file, except
// for the shuffle. Throws Errore(MsgOperazioniSuiFile) or, for the shuffle,
// Errore(MsgOperazioniSulFile) when a file cannot be read or written.
EsitoOperazione EseguiOperazione(Operazione operazione, const std::filesystem::path& primo,
                                 const std::filesystem::path& secondo, const std::filesystem::path& uscita,
                                 Avanzamento& avanzamento, std::uint32_t seme);

}  // namespace ludo
