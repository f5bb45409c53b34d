#pragma once
// ludomatic-cli's command line run in the test process on a scratch program
// folder, and what it printed.

#include <gmock/gmock.h>

#include "TestSupport.h"
#include "cli/Comandi.h"
#include "core/system/Configurazione.h"
#include "core/system/T_Sistema.h"

namespace ludo::test {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

struct Esito {
    int stato;
    std::string out;
    std::string err;
};

inline Esito lanciaCli(const std::filesystem::path& cartella, std::vector<std::string> argomenti) {
    std::ostringstream out;
    std::ostringstream err;
    const int stato = cli::esegui(argomenti, cartella, out, err);
    return {stato, out.str(), err.str()};
}

// A program folder with its sub-folders, the commands run on it.
class CliTest : public ::testing::Test {
protected:
    [[nodiscard]] Esito lancia(std::vector<std::string> argomenti) const {
        return lanciaCli(dir_.path(), std::move(argomenti));
    }
    [[nodiscard]] std::string file(const std::string& nome) const { return (dir_ / nome).string(); }

    // A new system with this forecast saved as `nome`; its path.
    [[nodiscard]] std::string sistema(const std::string& nome, Colonna pronostico) const {
        T_Sistema s(dir_.path());
        s.Dati->Pronostico = pronostico;
        s.Salva(file(nome));
        return file(nome);
    }

    // Stores the search interval of contests da..a of one season.
    void memorizzaIntervallo(int anno, int da, int a) const {
        auto config = ConfigurazioneIniziale(dir_.path());
        config.Ricerca.Intervallo = {TuttiITipi, anno, anno, da, a};
        SalvaConfigurazione(config, dir_.path());
    }

    // The command fails with exactly this message and prints nothing else.
    void rifiuta(const std::vector<std::string>& argomenti, const std::string& messaggio) const {
        const Esito e = lancia(argomenti);
        EXPECT_EQ(e.stato, 1) << argomenti.back();
        EXPECT_EQ(e.err, messaggio + "\n") << argomenti.back();
        EXPECT_EQ(e.out, "") << argomenti.back();
    }

    CartellaProgramma dir_;
};

}  // namespace ludo::test
