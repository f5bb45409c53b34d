#pragma once
// Runs ludomatic-cli's command line in the test process and keeps what it printed.

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "Comandi.h"

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

}  // namespace ludo::test
