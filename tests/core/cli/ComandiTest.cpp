// The command line itself: options before the command, each command's
// options and arguments, and the JSON every answer is written in.

#include "CliSupport.h"
#include "cli/Json.h"

using namespace ludo::test;

namespace {

// Each command, and each sub-command, as typed before its options.
std::vector<std::vector<std::string>> ogniComando() {
    std::vector<std::vector<std::string>> righe;
    for (const auto& c : ludo::cli::comandi()) {
        righe.push_back({std::string(c.nome)});
        for (const auto& s : c.sintassi.sottocomandi)
            righe.push_back({std::string(c.nome), std::string(s.first)});
    }
    return righe;
}

std::string usoDi(std::string_view nome) {
    for (const auto& c : ludo::cli::comandi()) {
        if (c.nome == nome) return "Uso: ludomatic-cli " + std::string(c.uso);
    }
    return {};
}

class OgniComando : public ::testing::TestWithParam<std::vector<std::string>> {};

}  // namespace

TEST(Cli, HelpAndMistakesBeforeTheCommand) {
    EXPECT_THAT(lanciaCli("/tmp/nessuna", {"--help"}).out, HasSubstr("--cartella"));
    const auto sconosciuto = lanciaCli("/tmp/nessuna", {"balla"});
    EXPECT_EQ(sconosciuto.stato, 1);
    EXPECT_THAT(sconosciuto.err, StartsWith("Comando sconosciuto: balla"));
    EXPECT_EQ(sconosciuto.out, "");
    for (const std::vector<std::string>& argomenti :
         {std::vector<std::string>{}, {"--cartella"}, {"--boh"}}) {
        EXPECT_EQ(lanciaCli("/tmp/nessuna", argomenti).stato, 1);
    }
}

TEST(Json, CommasNestingAndEscapes) {
    ludo::cli::Json j;
    j.beginObject().key("colonne").beginArray();
    j.beginArray().value(1).value(2).endArray();
    j.beginArray().endArray();
    j.endArray()
        .key("nome")
        .value("Città \"A\"\n")
        .key("ok")
        .value(true)
        .key("prezzo")
        .value(0.5)
        .endObject();
    EXPECT_EQ(j.str(), R"({"colonne":[[1,2],[]],"nome":"Città \"A\"\n","ok":true,"prezzo":0.5})");
}

TEST_P(OgniComando, RefusesAnOptionItDoesNotKnowBeforeDoingAnything) {
    TempDir dir;
    auto argomenti = GetParam();
    argomenti.push_back("--nonexistent-flag");
    const auto e = lanciaCli(dir.path(), argomenti);
    EXPECT_EQ(e.stato, 1);
    EXPECT_THAT(e.err,
                StartsWith("Opzione non riconosciuta: --nonexistent-flag\nUso: ludomatic-cli "));
    EXPECT_EQ(e.out, "");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "nothing read or written";
}

INSTANTIATE_TEST_SUITE_P(Cli, OgniComando, ::testing::ValuesIn(ogniComando()),
                         [](const auto& info) {
                             std::string nome;
                             for (const auto& parola : info.param)
                                 nome += (nome.empty() ? "" : "_") + parola;
                             std::erase(nome, '-');
                             return nome;
                         });

class Argomenti : public CliTest {};

TEST_F(Argomenti, EachCommandReadsOnlyWhatItsUsageShows) {
    const auto file = sistema("SISTEMI/nove.LDS", 0x1FF);
    auto e = lancia({"riduci", "tutte.Col", "--garanzia", "7", "--stimato", "--out", "r.Col"});
    EXPECT_THAT(e.err, StartsWith("Opzione non riconosciuta: --stimato\n"));
    // An option of another sub-command is as unknown as any other.
    e = lancia({"archivio", "elimina", "--anno", "2024", "--numero", "1", "--tipo", "A"});
    EXPECT_THAT(e.err, StartsWith("Opzione non riconosciuta: --tipo\n"));

    rifiuta({"sviluppa", file, "--out"},
            "Manca il valore dell'opzione --out.\n" + usoDi("sviluppa"));
    rifiuta({"sviluppa", file, "--out", "--si"},
            "Manca il valore dell'opzione --out.\n" + usoDi("sviluppa"));
    rifiuta({"sviluppa", file, "--out", "a.Col", "--out", "b.Col"},
            "Opzione ripetuta: --out\n" + usoDi("sviluppa"));
    rifiuta({"sviluppa", file, "altro.LDS"},
            "Argomento non previsto: altro.LDS\n" + usoDi("sviluppa"));
    rifiuta({"numeri", "-quante"}, "Argomento non previsto: -quante\n" + usoDi("numeri"));

    // And the usage --help prints names every option the command reads.
    for (const auto& c : ludo::cli::comandi()) {
        std::vector<const ludo::cli::Opzioni*> tutte = {&c.sintassi.opzioni};
        for (const auto& s : c.sintassi.sottocomandi) tutte.push_back(&s.second);
        for (const auto* opzioni : tutte) {
            for (const auto& nomi : {opzioni->conValore, opzioni->semplici}) {
                for (auto o : nomi)
                    EXPECT_NE(c.uso.find(o), std::string_view::npos) << c.nome << " " << o;
            }
        }
    }
}
