// Builds the demonstration content of the default program folder from the
// league results in tools/demo/sources (CC0 data):
//   ARCHIVI/archivio.ttg       one contest per matchday of seasons 2013/14 to 2025/26
//   ARCHIVI/archdb.ttg         the archive-analysis tables computed from it
//   Schedine/ultimasch.gsc     the coupon of the latest contest
//   SquadrA/B/C1/C2.Txt        the team lists of the latest contest's season
// Usage: genera-dati-demo SOURCES_FOLDER DATA_FOLDER
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "DatiDemo.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"

namespace {

int genera(const std::filesystem::path& sorgenti, const std::filesystem::path& dati) {
    using namespace ludo;
    std::vector<demo::Stagione> stagioni;
    for (int anno = demo::PrimaStagione; anno <= demo::UltimaStagione; ++anno) {
        stagioni.push_back(demo::LeggiStagione(sorgenti, anno));
    }
    auto archivio = demo::ArchivioDemo(stagioni);
    if (archivio.Vuoto()) {
        std::cerr << "Nessun concorso ricostruito da " << sorgenti << "\n";
        return 1;
    }
    const T_Concorso& ultimo = archivio[archivio.Conteggio() - 1];
    const auto& stagione =
        *std::find_if(stagioni.begin(), stagioni.end(),
                      [&](const demo::Stagione& s) { return s.anno == ultimo.Anno; });
    const auto schedina = demo::SchedinaDellaGiornata(stagione, ultimo.NumConcorso);
    if (!schedina) return 1;

    const auto cartellaArchivi = dati / io::kArchivi;
    std::filesystem::create_directories(cartellaArchivi);
    archivio.RicalcolaAnalisi();
    if (!archivio.Salva(cartellaArchivi)) return 1;
    std::filesystem::create_directories(dati / io::kSchedine);
    SalvaSchedina(*schedina, io::resolvePath(dati, NomeUltimaSchedina));

    const auto errori = demo::ListeDemo(stagione).Salva(dati);
    for (const auto& e : errori) std::cerr << e << "\n";
    std::cout << archivio.Conteggio() << " concorsi, schedina del concorso " << schedina->Concorso
              << " del " << ultimo.Anno << "/" << ultimo.Anno + 1 << "\n";
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
