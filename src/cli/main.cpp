// ludomatic-cli: batch use of the same core as the desktop program.
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/Comandi.h"
#include "core/io/ProgramFolder.h"

namespace {

std::filesystem::path percorsoEseguibile(const char* argv0) {
    std::error_code ec;
    auto proprio = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return proprio;
    return std::filesystem::absolute(argv0, ec);
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> argomenti(argv + 1, argv + argc);
    const auto exe = percorsoEseguibile(argv[0]);
    const auto cartella = [&] { return ludo::io::openProgramFolder(exe, ludo::io::Environment::fromProcess()); };
    return ludo::cli::esegui(argomenti, cartella, std::cout, std::cerr);
}
