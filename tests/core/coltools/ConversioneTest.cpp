#include "core/coltools/Conversione.h"

#include "TestSupport.h"

using ludo::Colonna;
using ludo::FormatoColonne;
using namespace ludo::test;

namespace {

constexpr Colonna kA = 0x000000FFU;  // 1..8
constexpr Colonna kB = 0x00000FF0U;  // 5..12
constexpr Colonna kC = 0x20000F0FU;  // 1..4, 9..12, 30

using Conta = ludo::test::AnnullaDopo;

std::vector<Colonna> ReadAll(const Bytes& b, FormatoColonne formato, bool* errore = nullptr) {
    auto in = streamOf(b);
    ludo::LettoreColonne lettore(in, formato);
    std::vector<Colonna> colonne;
    Colonna c = 0;
    for (;;) {
        const auto esito = lettore.Leggi(c);
        if (errore != nullptr) *errore = esito == ludo::LettoreColonne::Esito::Errore;
        if (esito != ludo::LettoreColonne::Esito::Colonna) break;
        colonne.push_back(c);
    }
    return colonne;
}

Bytes WriteAll(const std::vector<Colonna>& colonne, FormatoColonne formato) {
    std::stringstream out(std::ios::in | std::ios::out | std::ios::binary);
    ludo::ScrittoreColonne scrittore(out, formato);
    for (Colonna c : colonne) EXPECT_EQ(scrittore.Scrivi(c), ludo::ScrittoreColonne::Esito::Scritta);
    EXPECT_TRUE(scrittore.Chiudi());
    return bytesOf(out.str());
}

}  // namespace

TEST(Conversione, DestinationNames) {
    EXPECT_EQ(ludo::NomeDestinazione("a.b.Col", FormatoColonne::Txt), "a.Txt");
    EXPECT_EQ(ludo::NomeDestinazione("senza", FormatoColonne::Bgp), "senza.Bgp");
}

TEST(Conversione, BytesOfEveryFormatWrittenAndReadBack) {
    const std::vector<Colonna> due = {kA, kB};
    // Cln: sets, then distinct count, 0, 1, 0 and the column count.
    Bytes cln = maschereLE({kA, kB, kC});
    appendBytes(cln, {13, 0, 1, 0});
    appendLE(cln, 3, 4);

    // XGol: the signature and 9 zeros, then the sets.
    Bytes xgol;
    appendText(xgol, "XgolCOL");
    xgol.insert(xgol.end(), 9, 0);
    appendBytes(xgol, maschereLE(due));

    // Ctl: 1..30, 30, zeros to 616 bytes with the count at 367 and 374;
    // records of the set, 8 and 0.
    Bytes ctl;
    for (int n = 1; n <= 30; ++n) ctl.push_back(static_cast<std::uint8_t>(n));
    ctl.push_back(30);
    ctl.resize(616, 0);
    ctl[367] = 2;
    ctl[374] = 2;
    for (Colonna c : due) {
        appendLE(ctl, c, 4);
        appendBytes(ctl, {8, 0});
    }

    const std::vector<std::tuple<FormatoColonne, std::vector<Colonna>, Bytes>> casi = {
        // Stg: 8 number bytes a column.
        {FormatoColonne::Stg, due, {1, 2, 3, 4, 5, 6, 7, 8, 5, 6, 7, 8, 9, 10, 11, 12}},
        // Omnia: records of 10 bytes, then the count of distinct numbers and 5 zeros.
        {FormatoColonne::Omnia, due, {1,  2, 3, 4, 5, 6,  7,  8,  0, 0,  // column 1
                                      5,  6, 7, 8, 9, 10, 11, 12, 0, 0,  // column 2
                                      12, 0, 0, 0, 0, 0}},
        {FormatoColonne::Cln, {kA, kB, kC}, cln},
        {FormatoColonne::XGol, due, xgol},
        {FormatoColonne::Ctl, due, ctl},
        // Bgp: one byte 8, then number bytes.
        {FormatoColonne::Bgp, {kA}, {8, 1, 2, 3, 4, 5, 6, 7, 8}},
        // Col: the sets, nothing else; text lines of 3-character fields, CR LF between.
        {FormatoColonne::Col, {kA}, maschereLE({kA})},
        {FormatoColonne::Txt, due, bytesOf("1  2  3  4  5  6  7  8  \r\n5  6  7  8  9  10 11 12 ")},
    };
    for (const auto& [formato, colonne, bytes] : casi) {
        EXPECT_EQ(WriteAll(colonne, formato), bytes) << static_cast<int>(formato);
        EXPECT_EQ(ReadAll(bytes, formato), colonne) << static_cast<int>(formato);
    }
}

TEST(Conversione, ReadersSkipHeadersAndTrailers) {
    Bytes omnia = {1, 2, 3, 4, 5, 6, 7, 8, 9, 9};
    appendBytes(omnia, {8, 0, 0, 0, 0, 0});
    EXPECT_EQ(ReadAll(omnia, FormatoColonne::Omnia), (std::vector<Colonna>{kA}));

    Bytes ctl(616, 0xEE);
    appendLE(ctl, kB, 4);
    appendBytes(ctl, {8, 0});
    EXPECT_EQ(ReadAll(ctl, FormatoColonne::Ctl), (std::vector<Colonna>{kB}));

    Bytes xgol(16, 'x');
    appendLE(xgol, kC, 4);
    xgol.push_back(1);  // a stray byte ends the reading
    EXPECT_EQ(ReadAll(xgol, FormatoColonne::XGol), (std::vector<Colonna>{kC}));

    // A zero byte stands for number 32; a byte wraps modulo 32.
    Bytes bgp = {8, 0, 2, 3, 4, 5, 6, 7, 33};
    EXPECT_EQ(ReadAll(bgp, FormatoColonne::Bgp), (std::vector<Colonna>{0x8000007FU}));

    // Files shorter than their header or trailer hold no columns.
    EXPECT_TRUE(ReadAll(Bytes(10, 1), FormatoColonne::Ctl).empty());
    EXPECT_TRUE(ReadAll(Bytes(8, 1), FormatoColonne::Cln).empty());
    EXPECT_TRUE(ReadAll({}, FormatoColonne::Stg).empty());
}

TEST(Conversione, TextLinesBlankLinesAndBadPieces) {
    EXPECT_EQ(
        ReadAll(bytesOf("  1 2  3 4 5 6 7 8\r\n\r\n   \n5 6 7 8 9 10 11 12"), FormatoColonne::Asc),
        (std::vector<Colonna>{kA, kB}));
    bool errore = false;
    EXPECT_EQ(ReadAll(bytesOf("1 2 3 4 5 6 7 8\n1 2 x\n9 10"), FormatoColonne::Txt, &errore),
              (std::vector<Colonna>{kA}));
    EXPECT_TRUE(errore);
}

TEST(Conversione, ColumnsAFormatCannotHoldAreRefused) {
    std::stringstream out(std::ios::in | std::ios::out | std::ios::binary);
    ludo::ScrittoreColonne stg(out, FormatoColonne::Stg);
    EXPECT_EQ(stg.Scrivi(0x1FF), ludo::ScrittoreColonne::Esito::NonOtto);
    EXPECT_EQ(stg.Scrivi(0x7F), ludo::ScrittoreColonne::Esito::NonOtto);
    EXPECT_EQ(stg.Scrivi(0x8000007FU), ludo::ScrittoreColonne::Esito::OltreTrenta);
    EXPECT_EQ(stg.Scritte(), 0U);
    EXPECT_TRUE(out.str().empty());

    std::stringstream xgol(std::ios::in | std::ios::out | std::ios::binary);
    ludo::ScrittoreColonne x(xgol, FormatoColonne::XGol);
    EXPECT_EQ(x.Scrivi(0x1FF), ludo::ScrittoreColonne::Esito::Scritta);  // sets of any size
    EXPECT_EQ(x.Scrivi(0x40000000U), ludo::ScrittoreColonne::Esito::OltreTrenta);

    // The program's own files and text take numbers up to 32 and any count.
    std::stringstream col(std::ios::in | std::ios::out | std::ios::binary);
    ludo::ScrittoreColonne c(col, FormatoColonne::Col);
    EXPECT_EQ(c.Scrivi(0xFFFFFFFFU), ludo::ScrittoreColonne::Esito::Scritta);
}

TEST(ConversioneBatch, ConvertsEachSelectedFileAndWritesTheBgpCompanion) {
    TempDir dir;
    std::filesystem::create_directories(dir / "dest");
    writeFile(dir / "a.b.Col", maschereLE({kA, kB}));
    writeFile(dir / "uno.Col", maschereLE({kA, kB}));

    ludo::RichiestaConversione r{FormatoColonne::Col, FormatoColonne::Bgp, dir.path(), {"a.b.Col", "uno.Col"},
                                 dir / "dest"};
    Conta conta;
    std::vector<int> creati;
    auto esito = ludo::Converti(r, conta, [&](int n) { creati.push_back(n); });
    EXPECT_TRUE(esito.riuscita);
    EXPECT_EQ(esito.filesCreati, 2);
    EXPECT_EQ(creati, (std::vector<int>{1, 2}));
    EXPECT_EQ(conta.fasi, (std::vector<std::string>{"a.b.Col (1 di 2)", "uno.Col (2 di 2)"}));
    EXPECT_EQ(esito.messaggio, "Conversione terminata con successo.");
    Bytes bgp = {8, 1, 2, 3, 4, 5, 6, 7, 8, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(readFile(dir / "dest" / "a.Bgp"), bgp);
    Bytes nbp;
    for (int n = 1; n <= 30; ++n) nbp.push_back(static_cast<std::uint8_t>(n));
    EXPECT_EQ(readFile(dir / "dest" / "a.Nbp"), nbp);
    EXPECT_TRUE(std::filesystem::exists(dir / "dest" / "uno.Nbp"));
}

TEST(ConversioneBatch, DestinationsThatWouldBeReplacedAreNamedOnce) {
    TempDir dir;
    for (const char* nome : {"a.Col", "a.b.Col", "b.Col", "c.Col", "a.Txt", "b.Txt"})
        writeFile(dir / nome, maschereLE({kA}));
    ludo::RichiestaConversione r{FormatoColonne::Col, FormatoColonne::Txt, dir.path(),
                                 {"a.Col", "a.b.Col", "b.Col", "c.Col"}, dir.path()};
    const auto esistenti = ludo::DestinazioniEsistenti(r);
    EXPECT_EQ(esistenti, (std::vector<std::string>{"a.Txt", "b.Txt"}));
    EXPECT_EQ(ludo::MsgSovrascrivereDestinazioni(esistenti),
              "I file a.Txt, b.Txt esistono già. Vuoi sovrascriverli ? ");
    EXPECT_EQ(ludo::MsgSovrascrivereDestinazioni({"a.Txt"}),
              "Il file a.Txt esiste già. Vuoi sovrascriverlo ? ");
    // a.Col would be its own destination, which the batch refuses: only
    // a.b.Col's destination is one that would be replaced.
    r.destinazione = FormatoColonne::Col;
    EXPECT_EQ(ludo::DestinazioniEsistenti(r), (std::vector<std::string>{"a.Col"}));
}

TEST(ConversioneBatch, StopsWithTheMessageAndLeavesNoHalfWrittenFile) {
    TempDir dir;
    const Bytes col = maschereLE({kA, 0x1FFU, kB});
    writeFile(dir / "x.Col", col);
    writeFile(dir / "y.Col", col);
    Conta conta;

    auto esito = ludo::Converti({FormatoColonne::Col, FormatoColonne::Col, dir.path(), {"x.Col"}, dir.path()}, conta);
    EXPECT_FALSE(esito.riuscita);
    EXPECT_EQ(esito.messaggio, "Impossibile convertire il file x.Col. Elaborazione terminata");
    EXPECT_EQ(readFile(dir / "x.Col"), col);

    esito = ludo::Converti({FormatoColonne::Col, FormatoColonne::Stg, dir.path(), {"x.Col", "y.Col"}, dir.path()},
                           conta);
    EXPECT_EQ(esito.filesCreati, 0);
    EXPECT_EQ(esito.messaggio,
              "Impossibile convertire il file x.Col: la colonna 2 non ha 8 numeri, come richiede il formato di "
              "destinazione. Elaborazione terminata");
    EXPECT_FALSE(std::filesystem::exists(dir / "x.Stg"));
    EXPECT_FALSE(std::filesystem::exists(dir / "y.Stg"));

    writeFile(dir / "bad.Txt", bytesOf("1 2 3 4 5 6 7 8\n1 2 3 ?"));
    esito = ludo::Converti({FormatoColonne::Txt, FormatoColonne::Col, dir.path(), {"bad.Txt"}, dir.path()}, conta);
    EXPECT_EQ(esito.messaggio, "Impossibile convertire il file bad.Txt. Elaborazione terminata");
    EXPECT_FALSE(std::filesystem::exists(dir / "bad.Col"));

    esito = ludo::Converti({FormatoColonne::Col, FormatoColonne::Txt, dir.path(), {"manca.Col"}, dir.path()}, conta);
    EXPECT_EQ(esito.messaggio, "Impossibile convertire il file manca.Col. Elaborazione terminata");

    // A cancelled file leaves an older destination as it was, and nothing beside it.
    writeFile(dir / "x.Bgp", Bytes{1, 2, 3});
    Conta annulla(0);  // the first column stops the batch
    esito = ludo::Converti(
        {FormatoColonne::Col, FormatoColonne::Bgp, dir.path(), {"x.Col", "y.Col"}, dir.path()},
        annulla);
    EXPECT_EQ(esito.messaggio, "Conversione Interrotta.");
    EXPECT_EQ(esito.filesCreati, 0);
    EXPECT_EQ(readFile(dir / "x.Bgp"), (Bytes{1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(dir / "x.Nbp"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 4);
}
