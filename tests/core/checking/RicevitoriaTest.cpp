#include "core/checking/Ricevitoria.h"

#include "TestSupport.h"

using namespace ludo;
using namespace ludo::test;

TEST(Ricevitoria, SlipRowsAndTheirCost) {
    EXPECT_EQ(ColonneRiga(5), 6U);
    EXPECT_EQ(ColonneRiga(27), 55U);  // 45 + 9 + 1
    EXPECT_EQ(ColonneRiga(34), 45U + 9 + 9 + 3);
    EXPECT_EQ(FormatoSchedina(6), (FormatoRiga{9, 0, 0, 0, 0, 0}));
    EXPECT_EQ(FormatoSchedina(26), (FormatoRiga{9, 9, 9, 9, 9, 9}));
    std::vector<int> uguali;
    for (int riga = 1; riga <= RigheFormatoSchedina; ++riga)
        if (SeiPosizioniUguali(riga)) uguali.push_back(riga);
    EXPECT_EQ(uguali, (std::vector<int>{5, 26}));
    EXPECT_EQ(PosizioniPiene(1), 2);
    EXPECT_EQ(PosizioniPiene(34), 6);
    EXPECT_EQ(TestoFormato(27), "10 9 8");
}

TEST(Ricevitoria, RandomSlipsFillTheirPlacesAndRecordThePlays) {
    TGenColonneCasuali generatore(11);
    ASSERT_TRUE(ImpostaTecnica(generatore, Tecnica::Casuale, false, {}));
    std::mt19937 caso(5);
    auto casuali = GeneraSchedine(generatore, caso, 30, false, 1, 10);
    EXPECT_EQ(casuali.stampa.Conteggio(), 30U * 6);
    ASSERT_EQ(casuali.giocate.size(), 30U);
    auto colonna = casuali.stampa.begin();
    for (const auto& giocata : casuali.giocate) {
        for (Colonna c : giocata) {
            if (c != 0) {
                EXPECT_EQ(*colonna++, c);
            }
        }
        while (colonna != casuali.stampa.end() && *colonna == 0) ++colonna;
    }

    auto fisse = GeneraSchedine(generatore, caso, 2, true, 27, 34);
    ASSERT_EQ(fisse.stampa.Conteggio(), 6U);
    const std::vector<Colonna> stampa(fisse.stampa.begin(), fisse.stampa.end());
    EXPECT_EQ(NumeroNumeri(stampa[0]), 10);
    EXPECT_EQ(NumeroNumeri(stampa[1]), 9);
    EXPECT_EQ(fisse.giocate[1][3], 0U);
}

TEST(Ricevitoria, MatrixNamesLibraryAndDescription) {
    const auto campi = [](const char* nome) {
        const auto m = LeggiNomeMatrice(nome);
        return m ? std::tuple{m->numeri, m->fisse, m->garanzia} : std::tuple{-1, -1, std::string()};
    };
    EXPECT_EQ(campi("20F0B1.col"), std::tuple(20, 0, "1 Sei"));
    EXPECT_EQ(campi("9S2R.col"), std::tuple(9, 2, "1 Sette"));
    for (const char* nome :
         {"F0B1.col", "20X0B1.col", "20F0Q1.col", "20F", "123F0B1.col", "05F7B1.col"}) {
        EXPECT_FALSE(LeggiNomeMatrice(nome).has_value()) << nome;
    }

    CartellaProgramma dir;
    writeFile(dir / "Matrici" / "20F0B1.col", Bytes(4000, 1));
    writeFile(dir / "Matrici" / "20F0B1.txt", bytesOf("Ridotto\r\nventi numeri\r\n"));
    writeFile(dir / "Matrici" / "strano.col", Bytes(8, 1));
    writeFile(dir / "Matrici" / "nota.txt", Bytes(8, 1));
    const auto elenco = ElencoMatrici(dir.path());
    ASSERT_EQ(elenco.size(), 2U);
    EXPECT_EQ(elenco[0].nome, "20F0B1.col");
    EXPECT_EQ(elenco[0].colonne, 1000U);
    EXPECT_FALSE(elenco[1].leggibile);
    EXPECT_EQ(DescrizioneMatrice(dir.path(), elenco[0]),
              (std::vector<std::string>{"Ridotto", "venti numeri"}));
    EXPECT_EQ(DescrizioneMatrice(dir.path(), elenco[1]),
              (std::vector<std::string>{"Il file strano.col", "non è stato importato",
                                        "correttamente."}));
}

TEST(Ricevitoria, ApplyingAMatrixMapsPositionsToTheChosenNumbers) {
    // Positions 1..8, 3..10 and 12, past the 10 numbers.
    const auto matrice = listaDi({0x0FF, 0x3FC, 0x800});
    TCombinazione numeri;
    const std::uint8_t scelti[] = {30, 2, 4, 6, 8, 10, 12, 14, 16, 20};
    numeri.Aggiungi(scelti);
    // Sorted: 2 4 6 8 10 12 14 16 20 30.
    EXPECT_EQ(elenco(ApplicaMatrice(matrice, numeri)),
              (std::vector<Colonna>{0x0000AAAAU, 0x2008AAA0U, 0}));
}

TEST(Ricevitoria, AutomaticCandidatesAndMatrixNames) {
    const std::vector<TMatrice> matrici = {{"a", true, 20, 0, "1 Sei", 15},
                                           {"b", true, 12, 1, "1 Sette", 10},
                                           {"c", true, 14, 0, "1 Sei", 10},
                                           {"d", false, 0, 0, "", 10}};
    auto candidati = CandidatiAutomatici(matrici, 800, 8000, 12000, true, true);
    ASSERT_EQ(candidati.size(), 3U);
    // Equal costs: the later one goes first.
    EXPECT_EQ(candidati[0].numeri, 14);
    EXPECT_EQ(candidati[1].numeri, 12);
    EXPECT_EQ(candidati[1].garanzia, 7);
    EXPECT_EQ(candidati[2].costo, 12000.0);
    EXPECT_EQ(CandidatiAutomatici(matrici, 800, 8000, 12000, true, false).size(), 2U);
    EXPECT_TRUE(CandidatiAutomatici(matrici, 800, 1, 7999, true, true).empty());

    // Three candidates, two systems: step 1, the first two.
    EXPECT_EQ((std::array{CandidatoDelSistema(3, 2, 1), CandidatoDelSistema(3, 2, 2),
                          CandidatoDelSistema(10, 3, 3), CandidatoDelSistema(2, 5, 4)}),
              (std::array<std::size_t, 4>{0, 1, 6, 1}));

    EXPECT_EQ(NomeMatriceAutomatica(9, 0, 6), "09F0B1.col");
    EXPECT_EQ(NomeMatriceAutomatica(20, 2, 7), "20F2R1.col");
}

TEST(Ricevitoria, RidFileLayout) {
    Bytes b;
    appendShortString(b, "20F0B1.col", 255);
    for (const int campo : {2, 5, 17}) appendLE(b, campo, 2);  // count, then the numbers
    b.resize(b.size() + 98 * 2, 0);
    appendShortString(b, "Rossi \xC8", 255);

    SceltaRidotto scelta;
    auto in = streamOf(b);
    ASSERT_TRUE(LeggiRid(in, scelta));
    EXPECT_EQ(std::tuple(scelta.matrice, scelta.numeri.Quanti, scelta.numeri.Numero(2),
                         scelta.nomeCedola),
              std::tuple("20F0B1.col", 2, 17, "Rossi È"));
    EXPECT_EQ(scrittoSu([&](std::ostream& out) { return ScriviRid(out, scelta); }), b);

    b.pop_back();
    auto corto = streamOf(b);
    SceltaRidotto intatta;
    EXPECT_FALSE(LeggiRid(corto, intatta));
    EXPECT_TRUE(intatta.matrice.empty());

    // Numbers that are no set of matches: out of 1..32, or repeated.
    b.push_back(0);
    for (const std::uint8_t sbagliato : {33, 0, 5}) {
        Bytes guasto = b;
        guasto[256 + 4] = sbagliato;  // the second number
        auto in2 = streamOf(guasto);
        EXPECT_FALSE(LeggiRid(in2, intatta)) << int{sbagliato};
    }
}
