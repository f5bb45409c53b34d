// Builds the demonstration content of the default program folder from the
// league results in tools/demo/sources (CC0 data):
//   ARCHIVI/archivio.ttg       one contest per matchday of the 2024/25 season
//   ARCHIVI/archdb.ttg         the archive-analysis tables computed from it
//   Schedine/ultimasch.gsc     the coupon of its last complete matchday
//   SquadrA/B/C1/C2.Txt        the team lists
// Usage: genera-dati-demo SOURCES_FOLDER DATA_FOLDER
#include <filesystem>
#include <iostream>

#include "DatiDemo.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"

namespace {

constexpr int kStagioneArchivio = 2024;
constexpr int kStagioneRecente = 2025;

int genera(const std::filesystem::path& sorgenti, const std::filesystem::path& dati) {
    using namespace ludo;
    const auto stagione = demo::LeggiStagione(sorgenti, kStagioneArchivio);
    const auto recente = demo::LeggiStagione(sorgenti, kStagioneRecente);

    auto archivio = demo::ArchivioDellaStagione(stagione);
    if (archivio.Vuoto()) {
        std::cerr << "Nessun concorso ricostruito da " << sorgenti << "\n";
        return 1;
    }
    const auto cartellaArchivi = dati / io::kArchivi;
    std::filesystem::create_directories(cartellaArchivi);
    archivio.RicalcolaAnalisi();
    if (!archivio.Salva(cartellaArchivi)) return 1;

    const auto schedina = demo::SchedinaUltimaGiornataCompleta(stagione);
    if (!schedina) return 1;
    std::filesystem::create_directories(dati / io::kSchedine);
    SalvaSchedina(*schedina, io::resolvePath(dati, NomeUltimaSchedina));

    const auto errori = demo::ListeDemo(recente, stagione).Salva(dati);
    for (const auto& e : errori) std::cerr << e << "\n";
    std::cout << archivio.Conteggio() << " concorsi, schedina del concorso " << schedina->Concorso << "\n";
    return errori.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "Uso: genera-dati-demo CARTELLA_SORGENTI CARTELLA_DATI\n";
        return 1;
    }
    try {
        return genera(argv[1], argv[2]);
    } catch (const ludo::Errore& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
