#include <streambuf>

#include "TestSupport.h"
#include "core/columns/FileColonne.h"

using namespace ludo;
using namespace ludo::test;

namespace {

// Columns that differ in every byte, so a swapped or shifted byte shows.
std::vector<Colonna> colonneDiProva(std::size_t quante) {
    std::vector<Colonna> colonne;
    for (std::size_t i = 0; i < quante; ++i)
        colonne.push_back(static_cast<Colonna>(0x01020304u * (i + 1) + i));
    return colonne;
}

// Hands out its bytes, then fails as a disk error does.
class LetturaGuasta : public std::streambuf {
  public:
    explicit LetturaGuasta(std::string dati) : dati_(std::move(dati)) {
        setg(dati_.data(), dati_.data(), dati_.data() + dati_.size());
    }

  protected:
    int_type underflow() override { throw std::runtime_error("errore di I/O"); }

  private:
    std::string dati_;
};

}  // namespace

TEST(ScriviFile, WritesTheMasksLittleEndianFromHeadToTail) {
    TempDir cartella;
    const auto percorso = cartella / "prova.Col";
    writeFile(percorso, Bytes(20000, 0xAA));  // an older, longer file
    ListaColonne tre;
    tre.Aggiungi(0x000000FFu);
    tre.Aggiungi(0x80402010u);
    tre.Inserisci(0xFF000000u);
    EXPECT_TRUE(ScriviFile(tre, percorso));
    EXPECT_EQ(readFile(percorso),
              (Bytes{0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x10, 0x20, 0x40, 0x80}));

    // An empty list is an empty file, and reads back as no columns, not an error.
    EXPECT_TRUE(ScriviFile(ListaColonne{}, percorso));
    EXPECT_EQ(std::filesystem::file_size(percorso), 0U);
    ListaColonne lista;
    lista.Aggiungi(1);
    EXPECT_TRUE(LeggiFile(lista, percorso, false));
    EXPECT_TRUE(lista.Vuota());
}

TEST(ScriviFile, AFailureIsRaisedAndLeavesTheOldFileAlone) {
    TempDir cartella;
    EXPECT_EQ(erroreDi([&] {
                  ScriviFile(listaDi({1, 2}), cartella / "manca" / "x.Col");
              }),
              "Errore Durante la Scrittura del File Colonnare");
    // The target is a folder: nothing can replace it.
    std::filesystem::create_directory(cartella / "cartella.Col");
    EXPECT_THROW(ScriviFile(listaDi({1, 2}), cartella / "cartella.Col"), Errore);
    EXPECT_TRUE(std::filesystem::is_directory(cartella / "cartella.Col"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella.path()), {}), 1)
        << "no temporary file is left behind";
}

// A file written as a development keeps columns: the bytes appear only on
// Conferma, and a file dropped before it leaves the old one as it was.
TEST(FileColonneInScrittura, ReplacesTheTargetOnlyWhenConfirmed) {
    TempDir cartella;
    const auto percorso = cartella / "DefDest.Col";
    const Bytes vecchio(12, 0x77);
    writeFile(percorso, vecchio);
    const auto colonne = colonneDiProva(2001);
    {
        FileColonneInScrittura file(percorso);
        ASSERT_TRUE(file.Aperto());
        for (const Colonna c : colonne) ASSERT_TRUE(file.Aggiungi(c));
        EXPECT_EQ(file.Scritte(), 2001);
        EXPECT_EQ(readFile(percorso), vecchio);
    }
    EXPECT_EQ(readFile(percorso), vecchio) << "dropped without Conferma";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella.path()), {}), 1);

    FileColonneInScrittura file(percorso);
    for (const Colonna c : colonne) file.Aggiungi(c);
    ASSERT_TRUE(file.Conferma());
    EXPECT_EQ(readFile(percorso), maschereLE(colonne));

    FileColonneInScrittura senzaCartella(cartella / "manca" / "x.Col");
    EXPECT_FALSE(senzaCartella.Aperto());
    EXPECT_FALSE(senzaCartella.Conferma());
}

// Both readers start where the stream stands, as at the end of a system file,
// hand out whole blocks and a short last one, and make no mask of 1 to 3
// trailing bytes.
TEST(LeggiFile, ReadsBlocksOfAThousandFromWhereTheStreamStands) {
    struct Caso {
        std::size_t quante, coda;
        std::vector<std::size_t> blocchi;
    };
    for (const Caso& k :
         {Caso{2345, 1, {1000, 1000, 345}}, Caso{1000, 2, {1000}}, Caso{2, 3, {2}}}) {
        SCOPED_TRACE(k.quante);
        const auto colonne = colonneDiProva(k.quante);
        Bytes byte{0xEE, 0xEE};  // a header the readers start after
        appendBytes(byte, maschereLE(colonne));
        byte.insert(byte.end(), k.coda, 0x55);
        auto in = streamOf(byte);
        in.seekg(2);
        LetturaFileColonne lettura(in);
        EXPECT_EQ(lettura.Restanti(), k.quante);
        std::vector<std::size_t> blocchi;
        std::vector<Colonna> lette;
        for (auto b = lettura.Prossime(); !b.empty(); b = lettura.Prossime()) {
            blocchi.push_back(b.size());
            lette.insert(lette.end(), b.begin(), b.end());
        }
        EXPECT_EQ(blocchi, k.blocchi);
        EXPECT_EQ(lette, colonne);
        EXPECT_FALSE(lettura.Errore());
        EXPECT_TRUE(lettura.Prossime().empty());

        in.clear();
        in.seekg(2);
        ListaColonne lista;
        lista.Aggiungi(42);  // emptied first
        EXPECT_TRUE(LeggiFile(lista, in, false));
        EXPECT_EQ(elenco(lista), colonne);
    }
}

TEST(LeggiFile, ExpandsLargerSetsWhileReading) {
    const Colonna dieci = col({2, 4, 6, 8, 10, 12, 14, 16, 18, 20});
    const Colonna otto = 0x0000FF00u;
    const Colonna sette = 0x0000007Fu;
    auto in = streamOf(maschereLE({otto, dieci, sette, otto}));
    ListaColonne lista;
    ASSERT_TRUE(LeggiFile(lista, in, true));
    const auto colonne = elenco(lista);
    ASSERT_EQ(colonne.size(), 47U);
    EXPECT_EQ(colonne.front(), otto);
    EXPECT_EQ(colonne.back(), otto);
    // The 45 columns of the ten, in the order of the pairs of numbers left out.
    EXPECT_EQ(std::vector<Colonna>(colonne.begin() + 1, colonne.end() - 1), colonneDiOtto(dieci));
}

TEST(LeggiFile, InputErrorsEmptyTheListAndAnswerFalse) {
    ListaColonne lista;
    lista.Aggiungi(9);
    LetturaGuasta guasta(std::string(4000 + 8, '\x11'));
    std::istream in(&guasta);
    EXPECT_FALSE(LeggiFile(lista, in, false));
    EXPECT_TRUE(lista.Vuota());

    TempDir cartella;
    lista.Aggiungi(9);
    EXPECT_FALSE(LeggiFile(lista, cartella / "manca.Col", false));
    EXPECT_TRUE(lista.Vuota());
    lista.Aggiungi(9);
    EXPECT_FALSE(LeggiFile(lista, cartella.path(), false)) << "a folder is not a column file";
    EXPECT_TRUE(lista.Vuota());
}

TEST(LeggiFile, ColumnsBeyondTheListLimitAreRefusedNotRead) {
    // The size tells before anything is read...
    ListaColonne piccola(1000);
    auto troppe = streamOf(maschereLE(colonneDiProva(1001)));
    EXPECT_FALSE(LeggiFile(piccola, troppe, false));
    EXPECT_TRUE(piccola.Vuota());
    auto giuste = streamOf(maschereLE(colonneDiProva(1000)));
    EXPECT_TRUE(LeggiFile(piccola, giuste, false));
    EXPECT_EQ(piccola.Conteggio(), 1000U);

    // ...and each set before it is expanded: 32 numbers would be 10,518,300.
    auto tutti = streamOf(maschereLE({0x0000FF00u, 0xFFFFFFFFu}));
    EXPECT_FALSE(LeggiFile(piccola, tutti, true));
    EXPECT_TRUE(piccola.Vuota());
    EXPECT_EQ(piccola.MemoriaUsata(), 0U);
}

// A whole 32-number development through a file and back.
TEST(FileColonne, TenMillionColumnsRoundTripInUnder64MB) {
    ListaColonne lista;
    Espandi(lista, 0xFFFFFFFFu, true);
    ASSERT_EQ(lista.Conteggio(), 10518300U);
    EXPECT_LT(lista.MemoriaUsata(), 64U * 1024 * 1024);

    TempDir cartella;
    const auto percorso = cartella / "tutte.Col";
    ASSERT_TRUE(ScriviFile(lista, percorso));
    ASSERT_EQ(std::filesystem::file_size(percorso), 10518300U * 4);
    EXPECT_EQ(*lista.begin(), col({25, 26, 27, 28, 29, 30, 31, 32}));

    ListaColonne letta;
    ASSERT_TRUE(LeggiFile(letta, percorso, false));
    ASSERT_EQ(letta.Conteggio(), lista.Conteggio());
    EXPECT_LT(letta.MemoriaUsata(), 64U * 1024 * 1024);
    EXPECT_TRUE(std::equal(lista.begin(), lista.end(), letta.begin()));
}
