#pragma once
// Runs ludomatic-cli's command line in the test process and keeps what it printed.

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "cli/Comandi.h"

namespace ludo::test {

struct Esito {
    int stato;
    std::string out;
    std::string err;
};

inline Esito lanciaCli(const std::filesystem::path& cartella, std::vector<std::string> argomenti) {
    std::ostringstream out;
    std::ostringstream err;
    const int stato = ludo::cli::esegui(argomenti, cartella, out, err);
    return {stato, out.str(), err.str()};
}

// ARCHIVI/archivio.ttg of the folder from the record layout (year since
// 1900, number, type, winning mask): contests 1, 2, … of the season
// starting in `anno`, all "Serie A", with the given winning columns.
inline void scriviArchivio(const std::filesystem::path& cartella, int anno, std::initializer_list<std::uint32_t> vincenti) {
    std::filesystem::create_directories(cartella / "ARCHIVI");
    Bytes b;
    std::uint8_t numero = 0;
    for (const std::uint32_t vincente : vincenti) {
        b.insert(b.end(), {static_cast<std::uint8_t>(anno - 1900), ++numero, 1});
        appendLE(b, vincente, 4);
    }
    writeFile(cartella / "ARCHIVI" / "archivio.ttg", b);
}

}  // namespace ludo::test
