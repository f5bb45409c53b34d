#include "TestSupport.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/TQuadro.h"
#include "core/system/T_Sistema.h"

using namespace ludo;
using namespace ludo::test;

namespace {

// A measure table record with nothing accepted: two slices (InUso 0, link
// 'A', Campo 0, values 0..massimo+3 all 0), then Da and A.
void misura(Bytes& b, int massimo, int a = 32) {
    appendTabella(b, massimo);
    appendTabella(b, massimo);
    appendLE(b, 1, 2);
    appendLE(b, static_cast<std::uint32_t>(a), 2);
}

void gruppoVuoto(Bytes& b, std::uint8_t codice) { b.insert(b.end(), {codice, 1, 100}); }

// A record's leading bytes, then its measure tables up to the given maxima.
void record(Bytes& b, std::initializer_list<std::uint8_t> testa,
            std::initializer_list<int> massimi) {
    b.insert(b.end(), testa);
    for (const int massimo : massimi) misura(b, massimo);
}

// The twenty records of a new system, written from the record table.
void condizioniPredefinite(Bytes& b) {
    record(b, {1, 1}, {8, 8});
    record(b, {2, 0, 1}, {7, 7, 7});
    gruppoVuoto(b, 3);
    record(b, {4, 1, 0}, {4, 4, 8});
    gruppoVuoto(b, 5);
    b.insert(b.end(), {6, 1});
    misura(b, 8, 8);
    misura(b, 8);
    misura(b, 8, 8);
    misura(b, 8);
    record(b, {7, 0, 1}, {8, 8});
    record(b, {8, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {});
    gruppoVuoto(b, 9);
    gruppoVuoto(b, 10);
    record(b, {11, 1}, {3, 25, 31});
    gruppoVuoto(b, 12);
    record(b, {13, 1}, {26, 27, 26});
    gruppoVuoto(b, 14);
    record(b, {15}, {32, 32, 32, 32, 32, 32, 32, 32});
    b.insert(b.end(), {1, 1});
    record(b, {16, 1}, {8});
    gruppoVuoto(b, 17);
    record(b, {18}, {8, 4, 2, 2});
    b.insert(b.end(), {1, 1});
    // The root board, "AND" of no members: count 0 accepted. Its slices run
    // past each table into the bytes that follow it in memory.
    b.push_back(19);
    appendShortString(b, "Quadro", 255);
    b.insert(b.end(), {1, 1, 0});
    const std::size_t primaFetta = b.size();
    misura(b, 999);
    b[primaFetta + 4] = 1;                   // value 0 accepted
    b[primaFetta + 4 + 2 * 1001 + 1] = 'A';  // value 1001: the second table's link
    const std::size_t secondaFetta = primaFetta + 2 * 1000 + 10;
    b[secondaFetta + 4 + 2 * 1001 + 1] = 999 & 0xFF;  // value 1001: Massimo
    b[secondaFetta + 4 + 2 * 1002] = 999 >> 8;
    appendLE(b, 0xFFFFFFFF, 4);  // no comment lines
    b.push_back(100);
    b.insert(b.end(), {20, 1, 0, 0, 0, 0});
}

// A whole version-400 system file up to SpecificaNomi; riduzioneFinale is
// the byte of RiduzioneOttimizzata.
Bytes sistemaAMano(std::int32_t versione, const std::string& cartella,
                   std::uint8_t riduzioneFinale = 1) {
    Bytes b;
    appendLE(b, static_cast<std::uint32_t>(versione), 4);
    appendLE(b, 12, 4);  // Concorso
    for (int i = 0; i < 64; ++i) appendShortString(b, i == 0 ? "Milan" : "", 20);
    appendLE(b, 0x000003FF, 4);   // forecast 1..10
    appendLE(b, 0x00000001, 4);   // fixed 1
    b.resize(b.size() + 192, 0);  // "Picch." values, all 0
    condizioniPredefinite(b);
    for (int i = 0; i < 27; ++i) misura(b, 99);
    b.push_back(0);  // source: a column file
    appendShortString(b, cartella + "/COLONNE/x.Col", 255);
    b.insert(b.end(), {0, 1, 1, 0, riduzioneFinale, 7, 3, 2});  // [2] [3] [5] [4] [6] [7] [8] [9]
    appendShortString(b, cartella + "/COLONNE/y.Col", 255);
    if (versione >= 400) b.insert(b.end(), {1, 0});  // [0] [1]
    appendLE(b, 3, 4);
    appendText(b, "Ciao");
    b.resize(b.size() - 1);  // "Cia"
    appendLE(b, 0xFFFFFFFF, 4);
    appendLE(b, 0xFFFFFFFF, 4);  // no participants
    appendLE(b, 4, 4);
    if (versione >= 400) b.push_back(0);  // SpecificaNomi
    return b;
}

Bytes byteDi(const T_Sistema& s) {
    return scrittoSu([&](std::ostream& out) { return s.Scrivi(out); });
}

class Sistema : public ::testing::Test {
  protected:
    std::filesystem::path scrivi(const Bytes& b) {
        const auto file = dir_ / "SISTEMI" / "mano.LDS";
        writeFile(file, b);
        return file;
    }
    CartellaProgramma dir_;
};

}  // namespace

TEST_F(Sistema, HandBuiltFileWithAnIntegralColumnLoadsAs45Columns) {
    Bytes b = sistemaAMano(400, dir_.path().string());
    b.push_back(1);         // the columns follow
    appendLE(b, 0x3FF, 4);  // 1..10: 45 columns of 8
    T_Sistema s(dir_.path());
    s.Carica(scrivi(b));
    EXPECT_EQ(s.Dati->Coupon.Concorso, 12);
    EXPECT_EQ(s.Dati->Coupon.Squadre[0].Casa, "Milan");
    EXPECT_EQ(s.Dati->Pronostico, 0x3FFu);
    EXPECT_EQ(s.Dati->Fisse, 1u);
    EXPECT_FALSE(s.Dati->Sorgente.SorgentePronostico);
    const auto& dest = s.Dati->Destinazione;
    EXPECT_EQ(std::tuple(dest.Garanzia, dest.DistMin, dest.VinciteMultiple,
                         dest.DestinazioneMemoria, dest.RicalcoloAutomatico, dest.CalcoloReale),
              std::tuple(7, 3, 2, false, true, false));
    EXPECT_EQ(s.Commento, (std::vector<std::string>{"Cia"}));
    EXPECT_EQ(s.NumeroPartecipanti, 4);
    EXPECT_FALSE(s.SpecificaNomi);
    ASSERT_EQ(s.Dati->Colonne.Conteggio(), 45u);
    EXPECT_EQ(*s.Dati->Colonne.begin(), 0x3FCu) << "first: without 1 and 2";
    EXPECT_TRUE(s.Dati->Sviluppato);
    EXPECT_FALSE(s.Modificato);
    EXPECT_FALSE(s.SenzaNome);

    // What we write back is byte for byte the same file.
    s.Dati->Colonne.Svuota();
    s.Dati->Colonne.Aggiungi(0x3FC);
    Bytes atteso = sistemaAMano(400, dir_.path().string());
    atteso.push_back(1);
    appendLE(atteso, 0x3FC, 4);
    EXPECT_EQ(byteDi(s), atteso);
}

TEST_F(Sistema, TheOptimisedReductionByteAlsoHoldsTheImprovedOneAndItsSeconds) {
    const std::string cartella = dir_.path().string();
    struct Caso {
        std::uint8_t byte;
        bool ottimizzata;
        bool migliorata;
        int secondi;
    };
    auto letto = [&](std::uint8_t byte) {
        auto s = std::make_unique<T_Sistema>(dir_.path());
        s->Dati->Config.SalvaColonne = false;
        s->Carica(scrivi(sistemaAMano(400, cartella, byte)));
        s->Dati->Colonne.Aggiungi(0xFF);  // kept out of the file with SalvaColonne off
        return s;
    };
    for (const Caso& c :
         {Caso{0, false, false, 60}, Caso{1, true, false, 60}, Caso{13, true, true, 120},
          Caso{2, true, true, 10}, Caso{255, true, true, 2540}}) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        const auto s = letto(c.byte);
        const auto& d = s->Dati->Destinazione;
        EXPECT_EQ(std::tuple(d.RiduzioneOttimizzata, d.RiduzioneMigliorata, d.SecondiMigliorata),
                  std::tuple(c.ottimizzata, c.migliorata, c.secondi));
        EXPECT_EQ(byteDi(*s), sistemaAMano(400, cartella, c.byte)) << "written back as read";
    }

    // Seconds the byte cannot hold are kept to the nearest ten, within 10..2540.
    for (const auto& [secondi, byte] :
         {std::pair{125, 14}, std::pair{4, 2}, std::pair{9999, 255}}) {
        const auto s = letto(0);
        auto& d = s->Dati->Destinazione;
        d.RiduzioneOttimizzata = d.RiduzioneMigliorata = true;
        d.SecondiMigliorata = static_cast<std::uint16_t>(secondi);
        EXPECT_EQ(byteDi(*s), sistemaAMano(400, cartella, static_cast<std::uint8_t>(byte)))
            << secondi;
    }
}

TEST_F(Sistema, OlderFilesKeepTheNewerDefaultsAndHaveNoColumns) {
    Bytes b = sistemaAMano(300, dir_.path().string());
    appendLE(b, 0x3FF, 4);  // not columns for an older file: ignored
    T_Sistema s(dir_.path());
    s.Dati->Colonne.Aggiungi(0xFF);
    // Nothing of the system loaded before survives where the older file has no field.
    s.SpecificaNomi = false;
    s.Dati->Destinazione.RicalcoloAutomatico = true;
    s.Dati->Destinazione.CalcoloReale = false;
    s.Carica(scrivi(b));
    EXPECT_EQ(std::tuple(s.VersioneLetta, s.Dati->Destinazione.RicalcoloAutomatico,
                         s.Dati->Destinazione.CalcoloReale, s.SpecificaNomi,
                         s.Dati->Colonne.Conteggio(), s.Dati->Sviluppato),
              std::tuple(300, false, true, true, 0u, true));
}

TEST_F(Sistema, AFileEndingAfterSpecificaNomiCountsAsDevelopedWithoutColumns) {
    T_Sistema s(dir_.path());
    s.Dati->Colonne.Aggiungi(0xFF);
    s.Carica(scrivi(sistemaAMano(400, dir_.path().string())));
    EXPECT_EQ(s.Dati->Colonne.Conteggio(), 0u);
    EXPECT_TRUE(s.Dati->Sviluppato);

    // Cut inside the coupon: what was read stays, the rest keeps its values.
    Bytes corto = sistemaAMano(400, dir_.path().string());
    corto.resize(8 + 42 * 3);
    T_Sistema t(dir_.path());
    t.Dati->Pronostico = 0x77;
    t.Carica(scrivi(corto));
    EXPECT_EQ(t.Dati->Coupon.Concorso, 12);
    EXPECT_EQ(t.Dati->Coupon.Squadre[0].Casa, "Milan");
    EXPECT_EQ(t.Dati->Pronostico, 0x77u);
}

TEST_F(Sistema, SaveAndLoadGiveBackEverything) {
    T_Sistema s(dir_.path());
    auto& d = *s.Dati;
    d.Coupon.Concorso = 33;
    d.Coupon.Squadre[31] = {"Città", "Perché"};
    d.Pronostico = col({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    d.Fisse = col({3});
    d.Picchetti[5] = 42.5;
    auto& pd = static_cast<TPariDispari&>(d.Condizioni.Condizione(CodPariDispari));
    pd.Tabelle[1].Seconda.Voci[2] = {InRecupero, 3};
    pd.Tabelle[1].Seconda.Link = 'K';
    d.Link.Link[2].ErroriAmmessiNellaLink.Prima.Voci[1].Stato = Accettato;
    d.Sorgente.FileSorgente = (dir_ / "COLONNE" / "sorgente.Col").string();
    d.Destinazione.Garanzia = 7;
    s.Commento = {"prima riga", "", "terza è qui"};
    s.NomiPartecipanti = {"Anna", "Bruno"};
    s.NumeroPartecipanti = 2;
    s.SpecificaNomi = false;
    for (Colonna c : {0xFFu, 0xFF00u, 0x3FCu}) d.Colonne.Aggiungi(c);
    s.Modificato = true;

    const auto file = dir_ / "SISTEMI" / "tutto.LDS";
    s.Salva(file);
    EXPECT_FALSE(s.Modificato);
    EXPECT_FALSE(s.SenzaNome);

    T_Sistema letto(dir_.path());
    letto.Carica(file);
    // Every field is written: the same bytes are the same system.
    EXPECT_EQ(byteDi(letto), byteDi(s));
    EXPECT_EQ(elenco(letto.Dati->Colonne), (std::vector<Colonna>{0xFF, 0xFF00, 0x3FC}));
}

TEST_F(Sistema, NamesNewAndFailures) {
    T_Sistema s(dir_.path());
    EXPECT_TRUE(s.DeveChiedereNome());
    EXPECT_EQ(s.NomeFile.filename(), "SENZANOME.LDS");
    s.Salva(dir_ / "SISTEMI" / "primo.LDS");
    EXPECT_FALSE(s.DeveChiedereNome());

    s.Dati->Pronostico = 0xFFF;
    s.Commento = {"x"};
    s.Dati->Destinazione.Garanzia = 7;
    s.Dati->Sorgente.SorgentePronostico = false;
    static_cast<TQuadro&>(s.Dati->Condizioni.Condizione(CodQuadro)).Inserisci(CodResti);
    s.Nuovo();
    // Everything new but the source.
    EXPECT_EQ(std::tuple(s.DeveChiedereNome(), s.Dati->Pronostico, s.Commento.size(),
                         s.Dati->Destinazione.Garanzia, s.Dati->Sorgente.SorgentePronostico),
              std::tuple(true, 0u, 0u, 6, false));
    EXPECT_TRUE(static_cast<TQuadro&>(s.Dati->Condizioni.Condizione(CodQuadro)).Elenco.empty());

    s.Modificato = true;
    const auto prima = s.NomeFile;
    EXPECT_EQ(erroreDi([&] { s.Carica(dir_ / "SISTEMI" / "manca.LDS"); }), MsgCaricareSistema);
    EXPECT_EQ(s.NomeFile, prima);
    EXPECT_TRUE(s.Modificato);
    EXPECT_THROW(s.Salva(dir_ / "manca" / "x.LDS"), Errore);
    EXPECT_TRUE(s.Modificato);

    EXPECT_THROW(T_Sistema::Cancella(dir_ / "SISTEMI" / "manca.LDS"), Errore);
    T_Sistema::Cancella(dir_ / "SISTEMI" / "primo.LDS");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "SISTEMI" / "primo.LDS"));
}
