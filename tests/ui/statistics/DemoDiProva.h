#pragma once
// The demo archive and the typical system in a scratch program folder.

#include <filesystem>
#include <sstream>

#include "../engine/SistemaDiProva.h"
#include "cli/ArchivioProgramma.h"
#include "cli/Comandi.h"

class DemoDiProva : public SistemaDiProva {
  public:
    DemoDiProva() {
        namespace fs = std::filesystem;
        fs::copy(fs::path(LUDO_DATA_DIR) / "ARCHIVI", Cartella() / "ARCHIVI",
                 fs::copy_options::overwrite_existing | fs::copy_options::recursive);
        fs::copy_file(fs::path(LUDO_BENCH_SISTEMI) / "tipico.LDS", FileSistema(),
                      fs::copy_options::overwrite_existing);
        sistema->Carica(FileSistema());
        std::ostringstream nulla;
        ludo::cli::Contesto contesto{Cartella(), nulla, nulla};
        ludo::cli::caricaArchivio(contesto, *sistema, true);
    }
    [[nodiscard]] std::filesystem::path FileSistema() const {
        return Cartella() / "SISTEMI" / "tipico.LDS";
    }
};
