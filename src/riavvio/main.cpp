// ludomatic-riavvio: puts a new version of the program in place once the
// running program has stopped, then starts the program again. When the new
// files cannot all be put in place the old ones stay, and the old program
// starts.
//   ludomatic-riavvio PID NUOVA_VERSIONE CARTELLA PROGRAMMA
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <thread>

#include "core/update/NuovaVersione.h"

namespace {

// How long the program may take to close before the update is given up.
constexpr auto AttesaChiusura = std::chrono::minutes(2);
constexpr auto Intervallo = std::chrono::milliseconds(100);

bool ProcessoVivo(pid_t pid) { return kill(pid, 0) == 0 || errno == EPERM; }

bool AttendiFine(pid_t pid) {
    const auto limite = std::chrono::steady_clock::now() + AttesaChiusura;
    while (ProcessoVivo(pid)) {
        if (std::chrono::steady_clock::now() > limite) return false;
        std::this_thread::sleep_for(Intervallo);
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::cerr << "Uso: ludomatic-riavvio PID NUOVA_VERSIONE CARTELLA PROGRAMMA\n";
        return 2;
    }
    const auto pid = static_cast<pid_t>(std::strtol(argv[1], nullptr, 10));
    const std::filesystem::path nuovaVersione = argv[2];
    if (pid <= 0 || !AttendiFine(pid)) {
        // The program is still running: it keeps its files and nothing else starts.
        std::error_code ec;
        std::filesystem::remove_all(nuovaVersione, ec);
        std::cerr << "ludomatic-riavvio: il programma non si è chiuso, aggiornamento annullato.\n";
        return 1;
    }
    if (!ludo::InstallaNuovaVersione(nuovaVersione, argv[3])) {
        std::cerr << "ludomatic-riavvio: impossibile installare la nuova versione, si avvia quella precedente.\n";
    }
    execl(argv[4], argv[4], static_cast<char*>(nullptr));
    std::cerr << "ludomatic-riavvio: impossibile avviare " << argv[4] << "\n";
    return 1;
}
