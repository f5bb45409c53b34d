#include "TestSupport.h"
#include "core/system/ListeSquadre.h"

using namespace ludo;
using namespace ludo::test;
using Nomi = std::vector<std::string>;

namespace {

ListaSquadre listaDa(const std::string& bytes) {
    std::istringstream in(bytes, std::ios::binary);
    ListaSquadre lista;
    EXPECT_TRUE(lista.Leggi(in));
    return lista;
}

}  // namespace

TEST(ListaSquadre, NamesAreSortedOnInsertionWithoutCaseOrAccentsAndDuplicatesKept) {
    // An equal name goes after the one already there, a blank sorts before
    // letters and ü counts as u.
    ListaSquadre lista;
    for (const auto& [nome, posto] : std::vector<std::pair<std::string, std::size_t>>{
             {"Udinese", 0}, {"inter", 0}, {"AC Milan", 0}, {"Inter", 2}, {"Città", 1}, {"citta", 2},
             {"ACF Fiorentina", 1}, {"Zürich", 7}, {"Zurigo", 8}})
        EXPECT_EQ(lista.Aggiungi(nome), posto) << nome;
    EXPECT_EQ(lista.Nomi(), (Nomi{"AC Milan", "ACF Fiorentina", "Città", "citta", "inter", "Inter",
                                  "Udinese", "Zürich", "Zurigo"}));
}

TEST(ListaSquadre, ReplacingMovesTheNameAndDeletingRemovesOne) {
    ListaSquadre lista;
    for (const char* nome : {"Atalanta", "Bologna", "Como", "Bologna"}) lista.Aggiungi(nome);
    EXPECT_EQ(lista.Sostituisci(0, "Verona"), 3u);
    lista.Cancella(1);
    EXPECT_EQ(lista.Nomi(), (Nomi{"Bologna", "Como", "Verona"}));
    EXPECT_THROW(lista.Cancella(3), std::out_of_range);
    EXPECT_THROW(lista.Sostituisci(3, "Lecce"), std::out_of_range);
    EXPECT_EQ(lista.Nomi().size(), 3u);
}

TEST(ListaSquadre, ReadingAcceptsAnyLineEndAndNeverMakesEmptyNames) {
    EXPECT_EQ(listaDa("Roma\r\nLazio\r\n").Nomi(), (Nomi{"Lazio", "Roma"}));
    EXPECT_EQ(listaDa("Roma\nLazio").Nomi(), (Nomi{"Lazio", "Roma"}))
        << "LF only, no final line end";
    EXPECT_EQ(listaDa("Roma\r\n\r\n  \r\nLazio\r\n\n").Nomi(), (Nomi{"Lazio", "Roma"}));
    EXPECT_EQ(listaDa("S\xFC"
                      "dtirol\r\nCavese\r\nCavese\r\n")
                  .Nomi(),
              (Nomi{"Cavese", "Cavese", "Südtirol"}));
    EXPECT_TRUE(listaDa("").Nomi().empty());

    std::istringstream in("Genoa\r\n");
    auto lista = listaDa("Vecchia\r\n");
    lista.Leggi(in);
    EXPECT_EQ(lista.Nomi(), (Nomi{"Genoa"})) << "reading replaces the list";
}

TEST(ListeSquadre, SavingWritesWindows1252LinesEndedByCrLf) {
    TempDir dir;
    ListeSquadre liste;
    liste[Serie::A].Aggiungi("Südtirol");
    liste[Serie::A].Aggiungi("Inter");
    liste[Serie::A].Aggiungi("Inter");
    liste[Serie::C2].Aggiungi("Città");
    EXPECT_TRUE(liste.Salva(dir.path()).empty());
    EXPECT_EQ(readFile(dir / "SquadrA.Txt"), bytesOf("Inter\r\nInter\r\nS\xFC"
                                                     "dtirol\r\n"));
    EXPECT_EQ(readFile(dir / "SquadrC2.Txt"), bytesOf("Citt\xE0\r\n"));

    ListeSquadre lette;
    EXPECT_TRUE(lette.Carica(dir.path()).empty());
    EXPECT_EQ(lette[Serie::A].Nomi(), (Nomi{"Inter", "Inter", "Südtirol"}));
    EXPECT_EQ(lette[Serie::C2].Nomi(), (Nomi{"Città"}));
}

TEST(ListeSquadre, EachListLoadsOnItsOwnWithItsOwnMessage) {
    TempDir dir;  // no list of Serie A, a folder for C1
    writeFile(dir / "SquadrB.Txt", bytesOf("Bari\r\n"));
    std::filesystem::create_directory(dir / "SquadrC1.Txt");
    writeFile(dir / "squadrc2.txt", bytesOf("Sanremese\r\n"));  // found without case

    ListeSquadre liste;
    liste[Serie::A].Aggiungi("rimane?");
    liste[Serie::C1].Aggiungi("rimane?");
    EXPECT_EQ(liste.Carica(dir.path()),
              (Nomi{"Impossibile Caricare la Lista delle Squadre di Serie A",
                    "Impossibile Caricare la Lista delle Squadre di Serie C1"}));
    EXPECT_TRUE(liste[Serie::A].Nomi().empty());
    EXPECT_EQ(liste[Serie::B].Nomi(), (Nomi{"Bari"}));
    EXPECT_TRUE(liste[Serie::C1].Nomi().empty());
    EXPECT_EQ(liste[Serie::C2].Nomi(), (Nomi{"Sanremese"}));
}

TEST(ListeSquadre, EachListSavesOnItsOwnWithItsOwnMessage) {
    TempDir dir;
    std::filesystem::create_directory(dir / "SquadrB.Txt");
    ListeSquadre liste;
    for (const char* nome : {"Juventus", "Atalanta", "Inter"}) liste[Serie::A].Aggiungi(nome);
    liste[Serie::B].Aggiungi("Ascoli");

    EXPECT_EQ(liste.Salva(dir.path()),
              (Nomi{"Impossibile Salvare la Lista delle Squadre di Serie B"}));
    EXPECT_EQ(readFile(dir / "SquadrA.Txt"), bytesOf("Atalanta\r\nInter\r\nJuventus\r\n"));

    const auto errori = liste.Salva(dir / "manca");
    ASSERT_EQ(errori.size(), 4u);
    EXPECT_EQ(errori[0], "Impossibile Salvare la Lista delle Squadre di Serie A");
    EXPECT_EQ(errori[3], "Impossibile Salvare la Lista delle Squadre di Serie C2");
}

TEST(ListeSquadre, ANameNeedsMoreThanBlanks) {
    for (const char* vuoto : {"", "   ", " \t "}) {
        EXPECT_EQ(erroreDi([&] { VerificaNomeSquadra(vuoto); }),
                  "Il Nome della Squadra non è Valido !")
            << "\"" << vuoto << "\"";
    }
    EXPECT_NO_THROW(VerificaNomeSquadra("  Inter "));
    EXPECT_NO_THROW(VerificaNomeSquadra("à"));
}
