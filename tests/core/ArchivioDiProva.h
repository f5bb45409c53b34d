#pragma once
// Archives of contests built by a test, their file built from the record
// layout, and the search interval that selects all of them.

#include "TestSupport.h"
#include "core/archive/ArchivioConcorsi.h"

namespace ludo::test {

// Contests 1, 2, … of one season and type, one for each winning column.
inline ArchivioConcorsi archivioDi(std::initializer_list<Colonna> vincenti,
                                   std::uint16_t anno = 2023, std::uint8_t tipo = SerieA) {
    ArchivioConcorsi a;
    std::uint8_t numero = 0;
    for (const Colonna v : vincenti) a.InserisciOrdinato({anno, ++numero, tipo, v});
    return a;
}

inline ArchivioConcorsi archivioDi(std::initializer_list<T_Concorso> concorsi) {
    ArchivioConcorsi a;
    for (const T_Concorso& c : concorsi) a.InserisciOrdinato(c);
    return a;
}

// One record of archivio.ttg: the season's year less 1900, the number, the
// type and the winning mask, least significant byte first.
inline Bytes recordConcorso(std::uint8_t annoDal1900, std::uint8_t numero, std::uint8_t tipo, Colonna vincente) {
    Bytes b = {annoDal1900, numero, tipo};
    appendLE(b, vincente, 4);
    return b;
}

// ARCHIVI/archivio.ttg of a program folder: contests 1, 2, … of the season
// starting in `anno`, all "Serie A", with the given winning columns.
inline void scriviArchivio(const std::filesystem::path& cartella, int anno, std::initializer_list<Colonna> vincenti) {
    std::filesystem::create_directories(cartella / "ARCHIVI");
    Bytes b;
    std::uint8_t numero = 0;
    for (const Colonna v : vincenti)  // type 1, "Serie A"
        appendBytes(b, recordConcorso(static_cast<std::uint8_t>(anno - 1900), ++numero, 1, v));
    writeFile(cartella / "ARCHIVI" / "archivio.ttg", b);
}

inline IntervalloRicerca tutto(const ArchivioConcorsi& a) {
    IntervalloRicerca i;
    IntervalloTuttoArchivio(i, a);
    return i;
}

}  // namespace ludo::test
