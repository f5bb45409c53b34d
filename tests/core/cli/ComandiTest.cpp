#include <gtest/gtest.h>

#include <sstream>

#include "CliSupport.h"
#include "cli/Comandi.h"
#include "cli/Json.h"

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
