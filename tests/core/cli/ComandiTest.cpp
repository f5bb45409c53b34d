#include <gtest/gtest.h>

#include <sstream>

#include "CliSupport.h"
#include "TestSupport.h"
#include "cli/Comandi.h"
#include "cli/Json.h"
#include "core/io/ProgramFolder.h"
#include "core/system/T_Sistema.h"

using ludo::cli::esegui;

namespace {
using ludo::test::Esito;

Esito lancia(std::vector<std::string> argomenti) { return ludo::test::lanciaCli("/tmp/nessuna", std::move(argomenti)); }
}  // namespace

TEST(Cli, VersionAndHelp) {
    EXPECT_EQ(lancia({"--version"}).out, "4.0\n");
    const auto aiuto = lancia({"--help"});
    EXPECT_EQ(aiuto.stato, 0);
    EXPECT_NE(aiuto.out.find("--cartella"), std::string::npos);
}

TEST(Cli, MistakesExitWithStatusOneAndAnItalianMessage) {
    const auto sconosciuto = lancia({"balla"});
    EXPECT_EQ(sconosciuto.stato, 1);
    EXPECT_NE(sconosciuto.err.find("Comando sconosciuto: balla"), std::string::npos);
    EXPECT_TRUE(sconosciuto.out.empty());

    EXPECT_EQ(lancia({}).stato, 1);
    EXPECT_EQ(lancia({"--cartella"}).stato, 1) << "the option lacks its folder";
    EXPECT_EQ(lancia({"--boh"}).stato, 1);
}

TEST(Json, CommasNestingAndEscapes) {
    ludo::cli::Json j;
    j.beginObject().key("colonne").beginArray();
    j.beginArray().value(1).value(2).endArray();
    j.beginArray().endArray();
    j.endArray().key("nome").value("Città \"A\"\n").key("ok").value(true).key("prezzo").value(0.5).endObject();
    EXPECT_EQ(j.str(), R"({"colonne":[[1,2],[]],"nome":"Città \"A\"\n","ok":true,"prezzo":0.5})");
}

namespace {

// Each command, and each sub-command, as typed before its options.
std::vector<std::vector<std::string>> ogniComando() {
    std::vector<std::vector<std::string>> righe;
    for (const auto& c : ludo::cli::comandi()) {
        righe.push_back({std::string(c.nome)});
        for (const auto& s : c.sintassi.sottocomandi) righe.push_back({std::string(c.nome), std::string(s.first)});
    }
    return righe;
}

class OgniComando : public ::testing::TestWithParam<std::vector<std::string>> {};

std::string usoDi(std::string_view nome) {
    for (const auto& c : ludo::cli::comandi()) {
        if (c.nome == nome) return "Uso: ludomatic-cli " + std::string(c.uso) + "\n";
    }
    return {};
}

}  // namespace

TEST_P(OgniComando, RefusesAnOptionItDoesNotKnowBeforeDoingAnything) {
    ludo::test::TempDir dir;
    auto argomenti = GetParam();
    argomenti.push_back("--nonexistent-flag");
    const auto e = ludo::test::lanciaCli(dir.path(), argomenti);
    EXPECT_EQ(e.stato, 1);
    EXPECT_TRUE(e.err.starts_with("Opzione non riconosciuta: --nonexistent-flag\nUso: ludomatic-cli ")) << e.err;
    EXPECT_EQ(e.out, "");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "nothing read or written";
}

TEST(Cli, EachCommandReadsOnlyWhatItsUsageShows) {
    ludo::test::TempDir dir;
    for (auto s : ludo::io::kSottocartelle) std::filesystem::create_directories(dir / std::string(s));
    ludo::T_Sistema sistema(dir.path());
    sistema.Dati->Pronostico = 0x1FF;
    const auto file = (dir / "SISTEMI" / "nove.LDS").string();
    sistema.Salva(file);
    const auto lancia = [&](std::vector<std::string> argomenti) {
        return ludo::test::lanciaCli(dir.path(), std::move(argomenti));
    };

    auto e = lancia({"sviluppa", file, "--nonexistent-flag"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.out, "") << "not developed";
    e = lancia({"riduci", "tutte.Col", "--garanzia", "7", "--stimato", "--out", "r.Col"});
    EXPECT_TRUE(e.err.starts_with("Opzione non riconosciuta: --stimato\n")) << e.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "COLONNE" / "r.Col"));
    // An option of another sub-command is as unknown as any other.
    e = lancia({"archivio", "elimina", "--anno", "2024", "--numero", "1", "--tipo", "A"});
    EXPECT_TRUE(e.err.starts_with("Opzione non riconosciuta: --tipo\n")) << e.err;

    const std::vector<std::pair<std::vector<std::string>, std::string>> casi = {
        {{"sviluppa", file, "--out"}, "Manca il valore dell'opzione --out."},
        {{"sviluppa", file, "--out", "--si"}, "Manca il valore dell'opzione --out."},
        {{"sviluppa", file, "--out", "a.Col", "--out", "b.Col"}, "Opzione ripetuta: --out"},
        {{"sviluppa", file, "altro.LDS"}, "Argomento non previsto: altro.LDS"},
        {{"numeri", "-quante"}, "Argomento non previsto: -quante"},
    };
    for (const auto& [argomenti, messaggio] : casi) {
        e = lancia(argomenti);
        EXPECT_EQ(e.stato, 1);
        EXPECT_EQ(e.err, messaggio + "\n" + usoDi(argomenti[0]));
    }
    // And the usage --help prints names every option the command reads.
    for (const auto& c : ludo::cli::comandi()) {
        std::vector<const ludo::cli::Opzioni*> tutte = {&c.sintassi.opzioni};
        for (const auto& s : c.sintassi.sottocomandi) tutte.push_back(&s.second);
        for (const auto* opzioni : tutte) {
            for (const auto& nomi : {opzioni->conValore, opzioni->semplici}) {
                for (auto o : nomi) EXPECT_NE(c.uso.find(o), std::string_view::npos) << c.nome << " " << o;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, OgniComando, ::testing::ValuesIn(ogniComando()),
                         [](const auto& info) {
                             std::string nome;
                             for (const auto& parola : info.param) nome += (nome.empty() ? "" : "_") + parola;
                             std::erase(nome, '-');
                             return nome;
                         });
