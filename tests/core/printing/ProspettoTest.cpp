#include <gtest/gtest.h>

#include <filesystem>

#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/TCondizioniSistema.h"
#include "core/conditions/TGruppo.h"
#include "core/io/Cp1252.h"
#include "core/printing/Prospetto.h"
#include "core/system/T_Sistema.h"

using namespace ludo;

namespace {

T_Sistema sistemaVuoto() { return T_Sistema(std::filesystem::temp_directory_path() / "ludo-prospetto"); }

// A monospaced font 2 mm a character, each font 4 mm high, footer 4 mm.
MisureProspetto misure(double altezzaPagina = 297) {
    MisureProspetto m;
    m.larghezzaPagina = 210;
    m.altezzaPagina = altezzaPagina;
    m.altezzaPiede = 4;
    m.larghezza = [](const std::string& t, FontProspetto) { return 2.0 * static_cast<double>(io::utf8Length(t)); };
    m.altezza = [](FontProspetto) { return 4.0; };
    return m;
}

std::vector<std::string> testi(const PaginaProspetto& p) {
    std::vector<std::string> t;
    for (const auto& x : p.testi) t.push_back(x.testo);
    return t;
}

}  // namespace

TEST(DescrizioneCondizioni, TabelleInUsoValoriInSerieERecuperi) {
    TCondizioniSistema insieme;
    TPariDispari pd(&insieme);
    auto& pari = pd.Tabelle[0].Prima;
    for (int v : {2, 3, 4, 6, 8}) pari.Voci[static_cast<std::size_t>(v)].Stato = Accettato;
    pari.Voci[5] = {InRecupero, 2};
    pari.Link = 'B';
    pd.Tabelle[1].Seconda.Voci[1].Stato = Accettato;  // second table of "Dispari": the run
    pd.AggiornaStato();
    RigheDescrizione righe;
    pd.Stampa(righe, 0);
    const RigheDescrizione attese{{0, "Pari e Dispari", {}},
                                  {1, "Pari : ", {"2-4", "6", "8", "5 Rec. B/2"}},
                                  {1, "Dispari (Con.) : ", {"1"}}};
    EXPECT_EQ(righe, attese);
}

TEST(DescrizioneCondizioni, GruppoElencaSoloIMembriEffettiviConLeImpostazioni) {
    TCondizioniSistema insieme;
    TGruppo gruppo(CodGruppoSomme, CodSomma, "Gruppo Somme", &insieme);
    auto& attiva = static_cast<TSomma&>(gruppo.NuovoMembro());
    attiva.Partite = 0b1011;  // matches 1, 2, 4
    attiva.Intervalli.Numero = 2;
    attiva.Intervalli.Intervalli[0] = {3, 5.5, Accettato, 0};
    attiva.Intervalli.Intervalli[1] = {7, 7, InRecupero, 3};
    auto& spenta = static_cast<TSomma&>(gruppo.NuovoMembro());
    spenta.Partite = 1;
    spenta.Intervalli.Numero = 1;
    spenta.Attivato = false;
    gruppo.AggiornaStato();
    gruppo.ImpostaPercorso("");
    RigheDescrizione righe;
    gruppo.Stampa(righe, 0);
    const RigheDescrizione attese{{0, "Gruppo Somme", {}},
                                  {1, "Somma   1", {"Partite 1 2 4"}},
                                  {2, "Somma : ", {"3.00 - 5.50", "7.00 - 7.00 Rec. A/3"}}};
    EXPECT_EQ(righe, attese);
}

TEST(Prospetto, CopieETitoliSecondoIPartecipanti) {
    auto s = sistemaVuoto();
    OpzioniProspetto o;
    EXPECT_EQ(NumeroCopie(s, o), 1);  // one participant: copies as given
    EXPECT_EQ(TitoloCopia(s, o, 1), "Prospetto del Sistema");
    o.Copie = 2;
    EXPECT_EQ(TitoloCopia(s, o, 2), "Prospetto del Sistema     Copia Nº 2");

    s.NumeroPartecipanti = 3;
    s.NomiPartecipanti = {"Anna", "Bruno", "Carla"};
    EXPECT_EQ(NumeroCopie(s, o), 3);
    EXPECT_EQ(TitoloCopia(s, o, 3), "Prospetto del Sistema     Copia per Carla");
    s.SpecificaNomi = false;
    EXPECT_EQ(TitoloCopia(s, o, 3), "Prospetto del Sistema     Copia Nº 3");
    o.CopiaPerPartecipante = false;
    o.Copie = 500;
    EXPECT_EQ(NumeroCopie(s, o), MassimoCopieProspetto);
}

TEST(Prospetto, TipoDelSistema) {
    auto s = sistemaVuoto();
    s.Dati->Destinazione.SviluppoRidotto = false;
    EXPECT_EQ(TestoTipoSistema(s, false), "  Sistema Integrale  ");
    EXPECT_EQ(TestoTipoSistema(s, true), "  Sistema Condizionato ");
    s.Dati->Destinazione.SviluppoRidotto = true;
    s.Dati->Destinazione.Garanzia = 7;
    s.Dati->Destinazione.VinciteMultiple = 2;
    EXPECT_EQ(TestoTipoSistema(s, true), "  Sistema Condizionato Ridotto a garanzia di 2 Sette");
    s.Dati->Destinazione.Garanzia = 6;
    EXPECT_EQ(TestoTipoSistema(s, false), "  Sistema Ridotto a garanzia di 2 Sei");
}

TEST(Prospetto, ContenutoDelSistema) {
    auto s = sistemaVuoto();
    s.NomeFile = "/x/SISTEMI/Prova.LDS";
    s.Dati->Pronostico = 0xFFF;  // 1..12
    s.Dati->Fisse = 0b101;       // 1 and 3
    s.Dati->Coupon.Concorso = 12;
    s.Dati->Coupon.Squadre[0] = {"Roma", "Lazio"};
    s.NumeroPartecipanti = 2;
    s.NomiPartecipanti = {"Anna", "Bruno", "avanzo"};
    s.Commento = {"riga", ""};
    const auto c = PreparaProspetto(s, {}, "07/12/2026");
    EXPECT_EQ(c.titoli.size(), 2U);
    EXPECT_EQ(c.griglia.celle[0][0], "  Nome del Sistema : Prova");
    EXPECT_EQ(c.griglia.celle[0][1], "  Stampato il : 07/12/2026");
    EXPECT_EQ(c.griglia.celle[1][0], "  Partite Selezionate : 12   Fisse : 2       ");
    EXPECT_EQ(c.nomi, (std::vector<std::string>{"Anna", "Bruno"}));
    EXPECT_EQ(c.commento, std::vector<std::string>{"riga"});
    EXPECT_EQ(c.fisse, "Partite Fisse :  1  3");
    EXPECT_EQ(c.concorso, "Concorso Nº 12");
    ASSERT_EQ(c.coupon[0].celle.size(), 17U);  // heading and matches 1..16
    EXPECT_EQ(c.coupon[0].celle[1], (std::vector<std::string>{"1", "Roma", "Lazio", "F"}));
    EXPECT_EQ(c.coupon[0].celle[2][3], "X");
    EXPECT_EQ(c.coupon[1].celle[1][0], "17");
    EXPECT_EQ(c.coupon[1].celle[1][3], "");
    EXPECT_TRUE(c.condizioni.empty());  // no condition in use
}

TEST(Prospetto, RigheACapoDopoLaDidascalia) {
    const auto lunghezza = [](const std::string& t) { return static_cast<double>(t.size()); };
    EXPECT_EQ(RigheACapo({"Anna", "Bruno", "Carla"}, 13, lunghezza),
              (std::vector<std::string>{"Anna, Bruno, ", "Carla"}));
    EXPECT_EQ(RigheACapo({"lunghissimo", "b"}, 4, lunghezza), (std::vector<std::string>{"lunghissimo, ", "b"}));
    // An item wider than a line is broken between its words.
    EXPECT_EQ(RigheACapo({"Partite 1 2 3 4 5 6"}, 10, lunghezza),
              (std::vector<std::string>{"Partite 1 ", "2 3 4 5 6"}));
    EXPECT_TRUE(RigheACapo({}, 10, lunghezza).empty());
}

TEST(Prospetto, PagineDellaCopiaELeCondizioniChePassanoAllaPaginaDopo) {
    auto s = sistemaVuoto();
    s.NumeroPartecipanti = 3;
    s.NomiPartecipanti = {"Anna", "Bruno", "Carla"};
    auto& pd = static_cast<TPariDispari&>(s.Dati->Condizioni.Condizione(CodPariDispari));
    pd.Tabelle[0].Prima.Voci[4].Stato = Accettato;
    const auto c = PreparaProspetto(s, {}, "oggi");
    ASSERT_EQ(c.condizioni.size(), 2U);

    const auto pagine = ImpaginaProspetto(c, 1, misure());
    ASSERT_EQ(pagine.size(), 1U);
    const auto t = testi(pagine[0]);
    EXPECT_EQ(t[1], "Prospetto del Sistema     Copia per Bruno");
    EXPECT_DOUBLE_EQ(pagine[0].testi[1].y, 10);
    EXPECT_DOUBLE_EQ(pagine[0].testi[1].x, (210 - 2.0 * 41) / 2);
    EXPECT_NE(std::find(t.begin(), t.end(), "Nomi dei Partecipanti :"), t.end());
    EXPECT_EQ(t.back(), "4");
    EXPECT_EQ(pagine[0].celle.size(), 6U + 2 * 17 * 4);  // information and both coupon halves, no "Picch."

    // Short pages: the coupon and then the condition list each go on to a
    // new page, starting 5 mm from the top.
    const auto corte = ImpaginaProspetto(c, 0, misure(150));
    ASSERT_EQ(corte.size(), 3U);
    EXPECT_EQ(corte[1].testi.front().testo, "Partite Fisse :");
    EXPECT_DOUBLE_EQ(corte[1].testi.front().y, 5.0);
    EXPECT_EQ(corte[2].testi.front().testo, "Elenco delle condizioni del sistema");
    EXPECT_DOUBLE_EQ(corte[2].testi.front().y, 5.0);
    EXPECT_EQ(testi(corte[2]).back(), "4");
}
