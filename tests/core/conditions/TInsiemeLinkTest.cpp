#include <array>
#include <memory>
#include <streambuf>

#include "TestSupport.h"
#include "core/conditions/AnalisiRecuperi.h"
#include "core/conditions/TCondizioniSistema.h"
#include "core/conditions/TInsiemeLink.h"

using namespace ludo;
using namespace ludo::test;

namespace {

// A condition made only of the tables and members a test gives it. Its
// measure is always 0. The link tests never copy a condition set.
class Finta : public TCondizione {
public:
    Finta(std::uint8_t codice, std::string percorso, TCondizioniSistema* proprietario = nullptr)
        : TCondizione(codice, "Finta", proprietario) {
        Percorso = std::move(percorso);
    }

    std::vector<TMisura> Tabelle;
    std::vector<TIntervalli> Intervalli;
    std::vector<std::unique_ptr<TCondizione>> Elenco;

    [[nodiscard]] std::unique_ptr<TCondizione> Copia() const override {
        ADD_FAILURE() << "copied";
        return nullptr;
    }
    void Assegna(const TCondizione&) override { ADD_FAILURE() << "assigned"; }
    bool Verifica(Colonna) override {
        for (const auto& t : Tabelle) {
            if (!TestaMisura(t, 0, 0)) return false;
        }
        return true;
    }
    bool Carica(io::BinaryReader&) override { return true; }
    void PerOgniMisura(const std::function<void(TMisura&)>& f) override {
        for (auto& t : Tabelle) f(t);
    }
    void PerOgniIntervallo(const std::function<void(TIntervalli&)>& f) override {
        for (auto& t : Intervalli) f(t);
    }
    std::vector<std::unique_ptr<TCondizione>>* Membri() override { return &Elenco; }

protected:
    bool SalvaDati(io::BinaryWriter&) const override { return true; }
};

// A table of a measure up to massimo with one value in recovery.
TMisura inRecupero(char link, int valore, std::uint8_t livello, std::int16_t massimo = 8) {
    TMisura m(massimo, false);
    m.Prima.Link = link;
    accetta(m.Prima, {valore}, InRecupero, livello);
    return m;
}

// An admitted-error table accepting the given counts.
TMisura ammessi(std::initializer_list<int> valori) {
    TMisura m(TLink::MassimoErroriAmmessi, false);
    accetta(m.Prima, valori);
    return m;
}

Finta& nelloSlot(TCondizioniSistema& sistema, std::uint8_t slot, const std::string& percorso) {
    auto c = std::make_unique<Finta>(slot, percorso, &sistema);
    Finta& finta = *c;
    sistema.Sostituisci(std::move(c));
    return finta;
}

std::vector<std::string> nomi(const TLink& link) {
    std::vector<std::string> n;
    for (const auto& e : link.Elementi) n.push_back(e.Nome);
    return n;
}

// A stream that takes `limite` bytes and then fails as a full disk does.
class ScritturaLimitata : public std::streambuf {
public:
    explicit ScritturaLimitata(std::size_t limite) : limite_(limite) {}

protected:
    int_type overflow(int_type c) override {
        if (scritti_ == limite_) return traits_type::eof();
        ++scritti_;
        return traits_type::not_eof(c);
    }

private:
    std::size_t limite_;
    std::size_t scritti_ = 0;
};

}  // namespace

// A link's maximum sums each level used by its members once.
TEST(PreparaLink, EveryTableInRecoveryCountsUnderItsOwnLetter) {
    TCondizioniSistema sistema;
    Finta& c = nelloSlot(sistema, 4, "\\Tabelle");
    TMisura doppia(8, true);
    doppia.Prima.Link = 'C';
    accetta(doppia.Prima, {1, 3}, InRecupero, 1);  // the same level twice
    doppia.Seconda.Link = 'A';
    accetta(doppia.Seconda, {8}, InRecupero, 4);
    c.Tabelle.push_back(doppia);
    c.Tabelle.push_back(inRecupero('C', 2, 1));  // a second member of 'C', level already marked
    TMisura senzaSeconda(8, false);
    senzaSeconda.Seconda.Link = 'D';
    accetta(senzaSeconda.Seconda, {0}, InRecupero, 6);  // never tested: no second table
    c.Tabelle.push_back(senzaSeconda);
    c.Tabelle.push_back(inRecupero('F', 9, 1));  // above Massimo 8
    TMisura accettata(8, false);
    accettata.Prima.Link = 'G';
    accetta(accettata.Prima, {4});
    c.Tabelle.push_back(accettata);
    TIntervalli intervalli;
    intervalli.Link = 'E';
    intervalli.Numero = 2;
    intervalli.Intervalli[1] = {1.0, 2.0, InRecupero, 7};
    intervalli.Intervalli[2] = {3.0, 4.0, InRecupero, 9};  // beyond Numero
    c.Intervalli.push_back(intervalli);
    Finta& altra = nelloSlot(sistema, 5, "\\Altra");
    altra.Tabelle.push_back(inRecupero('C', 0, 3));
    Finta& spento = nelloSlot(sistema, 6, "\\Spento");
    spento.Attivato = false;
    spento.Tabelle.push_back(inRecupero('Z', 0, 2));

    TInsiemeLink insieme;
    insieme.PreparaLink(sistema);
    EXPECT_EQ(insieme.LinkUsate, "ACEZ");
    EXPECT_EQ((std::array{insieme.Lettera('A')->MassimoErrori, insieme.Lettera('C')->MassimoErrori,
                          insieme.Lettera('E')->MassimoErrori}),
              (std::array{4, 1 + 3, 7}));
    const TLink& lc = *insieme.Lettera('C');
    EXPECT_EQ(nomi(lc), (std::vector<std::string>{"\\Tabelle", "\\Tabelle", "\\Altra"}));
    EXPECT_EQ(lc.Elementi[2].Condizione, &altra);
    EXPECT_TRUE(lc.LivelloUsato[1] && lc.LivelloUsato[3] && !lc.LivelloUsato[2]);
    EXPECT_EQ(insieme.MassimoTotale, 4 + 4 + 7 + 2);
}

TEST(PreparaLink, GroupsGiveTheirMembersAndPreparingAgainStartsOver) {
    TCondizioniSistema sistema;
    Finta& gruppo = nelloSlot(sistema, 3, "\\Gruppo");
    auto membro = std::make_unique<Finta>(34, "\\Gruppo\\Membro   1", &sistema);
    membro->Tabelle.push_back(inRecupero('A', 1, 3));
    auto annidato = std::make_unique<Finta>(34, "\\Gruppo\\Quadro\\Membro   1", &sistema);
    annidato->Tabelle.push_back(inRecupero('A', 2, 1));
    auto quadro = std::make_unique<Finta>(19, "\\Gruppo\\Quadro", &sistema);
    quadro->Elenco.push_back(std::move(annidato));
    Finta* primo = membro.get();
    gruppo.Elenco.push_back(std::move(membro));
    gruppo.Elenco.push_back(std::move(quadro));

    TInsiemeLink insieme;
    insieme.PreparaLink(sistema);
    const TLink& a = *insieme.Lettera('A');
    EXPECT_EQ(nomi(a), (std::vector<std::string>{"\\Gruppo\\Membro   1", "\\Gruppo\\Quadro\\Membro   1"}));
    EXPECT_EQ(a.Elementi[0].Condizione, primo);

    primo->Tabelle.clear();
    insieme.PreparaLink(sistema);
    EXPECT_EQ(nomi(a), (std::vector<std::string>{"\\Gruppo\\Quadro\\Membro   1"}));
    EXPECT_EQ(a.MassimoErrori, 1);
    EXPECT_EQ(insieme.MassimoTotale, 1);

    gruppo.Elenco.clear();
    insieme.PreparaLink(sistema);
    EXPECT_EQ(insieme.LinkUsate, "");
    EXPECT_EQ(insieme.MassimoTotale, 0);
}

TEST(RecuperoLink, LevelNAdmitsNRecoveriesOfThatLevelInOneColumn) {
    TInsiemeLink insieme;
    insieme.LinkUsate = "A";
    insieme.AzzeraColonna();
    EXPECT_TRUE(insieme.AmmettiRecupero('A', 1));
    EXPECT_FALSE(insieme.AmmettiRecupero('A', 1));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(insieme.AmmettiRecupero('A', 3)) << i;
    EXPECT_FALSE(insieme.AmmettiRecupero('A', 3));
    EXPECT_FALSE(insieme.AmmettiRecupero('A', 0)) << "an entry without a level admits nothing";

    const TLink& a = *insieme.Lettera('A');
    EXPECT_EQ(std::pair(a.Errori, a.Controlli), std::pair(7, 7));
    EXPECT_EQ((std::array{a.RifiutiLivello.Frequenza(0), a.RifiutiLivello.Frequenza(1), a.RifiutiLivello.Frequenza(3)}),
              (std::array{1, 1, 1}));

    insieme.AzzeraColonna();
    EXPECT_TRUE(insieme.AmmettiRecupero('A', 1)) << "a new column starts over";
    EXPECT_EQ(a.Errori, 1);
    EXPECT_EQ(a.Controlli, 8) << "checks accumulate over the columns";
}

TEST(RecuperoLink, OnlyLinkLettersAndOneByteLevelsAreCounted) {
    TInsiemeLink insieme;
    insieme.LinkUsate = "Z";
    for (char c : {'a', '@', '[', '\0'}) EXPECT_FALSE(insieme.AmmettiRecupero(c, 1)) << int(c);
    EXPECT_FALSE(insieme.AmmettiRecupero('Z', 256));
    EXPECT_FALSE(insieme.AmmettiRecupero('Z', -1));
    EXPECT_EQ(insieme.Lettera('Z')->Controlli, 0);
    EXPECT_TRUE(insieme.AmmettiRecupero('Z', 255));

    // Only the links in use are reset for a new column.
    insieme.AmmettiRecupero('B', 2);
    insieme.AzzeraColonna();
    EXPECT_EQ(insieme.Lettera('Z')->Errori, 0);
    EXPECT_EQ(insieme.Lettera('B')->Errori, 1);
}

TEST(VerdettoLink, TrueWithNoLinkInUseAndLinksWithoutMembersAreNeverChecked) {
    TInsiemeLink insieme;
    EXPECT_FALSE(insieme.AggiornaStatoLink());
    EXPECT_TRUE(insieme.Verdetto());

    insieme.Lettera('C')->ErroriAmmessiNellaLink = ammessi({5});
    insieme.Lettera('C')->Errori = 2;
    EXPECT_TRUE(insieme.AggiornaStatoLink());
    EXPECT_TRUE(insieme.Verdetto()) << "'C' has no members, so it is not in LinkUsate";
    EXPECT_EQ(insieme.Lettera('C')->RifiutiErrori.NumConcorsi(), 0);
    EXPECT_EQ(insieme.ErroriColonna, 0);
}

TEST(VerdettoLink, EachLinkThenTheTotalLimitTheRecoveriesOfAColumn) {
    TInsiemeLink insieme;
    insieme.LinkUsate = "AB";
    insieme.Lettera('A')->ErroriAmmessiNellaLink = ammessi({0, 1});
    insieme.ErroriAmmessiInTotale = ammessi({0, 1, 2});
    insieme.AggiornaStatoLink();
    const TLink& a = *insieme.Lettera('A');

    auto colonna = [&](int inA, int inB) {
        insieme.AzzeraColonna();
        for (int i = 0; i < inA; ++i) insieme.AmmettiRecupero('A', 2);
        for (int i = 0; i < inB; ++i) insieme.AmmettiRecupero('B', 3);
        return insieme.Verdetto();
    };
    EXPECT_TRUE(colonna(1, 1));
    EXPECT_EQ(insieme.ErroriColonna, 2);

    EXPECT_FALSE(colonna(2, 0)) << "'A' accepts at most one recovery";
    EXPECT_EQ(a.RifiutiErrori.Frequenza(2), 1);
    EXPECT_EQ(insieme.RifiutiTotale.NumConcorsi(), 0);

    EXPECT_FALSE(colonna(1, 2)) << "three recoveries over both links";
    EXPECT_EQ(insieme.ErroriColonna, 3);
    EXPECT_EQ(insieme.RifiutiTotale.Frequenza(3), 1);
    EXPECT_EQ(a.RifiutiErrori.NumConcorsi(), 1);

    // After a refusing link the others are not tested, yet their errors add up.
    insieme.Lettera('B')->ErroriAmmessiNellaLink = ammessi({0});
    insieme.AggiornaStatoLink();
    EXPECT_FALSE(colonna(2, 1));
    EXPECT_EQ(insieme.ErroriColonna, 3);
    EXPECT_EQ(insieme.Lettera('B')->RifiutiErrori.NumConcorsi(), 0);
    EXPECT_EQ(insieme.RifiutiTotale.NumConcorsi(), 1);
}

TEST(VerdettoLink, StatisticsAreResetOnlyForTheLinksInUse) {
    TInsiemeLink insieme;
    insieme.LinkUsate = "A";
    insieme.Lettera('A')->MassimoErrori = 400;
    insieme.MassimoTotale = 400;
    for (char l : {'A', 'C'}) {
        insieme.AmmettiRecupero(l, 1);
        insieme.AmmettiRecupero(l, 1);
    }
    insieme.ErroriAmmessiInTotale = ammessi({0});
    insieme.AggiornaStatoLink();
    EXPECT_FALSE(insieme.Verdetto());
    insieme.Modificato = true;

    insieme.AzzeraStatisticheLink();
    const TLink& a = *insieme.Lettera('A');
    EXPECT_EQ(a.Controlli, 0);
    EXPECT_EQ(a.RifiutiLivello.Frequenza(1), 0);
    EXPECT_EQ(insieme.RifiutiTotale.NumConcorsi(), 0);
    EXPECT_FALSE(insieme.Modificato);
    EXPECT_EQ(insieme.Lettera('C')->Controlli, 2);
    EXPECT_EQ(insieme.Lettera('C')->RifiutiLivello.Frequenza(1), 1);
    // Every error count the members can produce has its place already.
    EXPECT_EQ(a.RifiutiErrori.MaxValore(), 400);
    EXPECT_EQ(insieme.RifiutiTotale.MaxValore(), 400);
}

TEST(InsiemeLinkNelSistema, RecoveriesAreCountedColumnByColumn) {
    TCondizioniSistema sistema;
    TInsiemeLink insieme;
    sistema.Link = &insieme;
    nelloSlot(sistema, 1, "\\Prima").Tabelle.push_back(inRecupero('A', 0, 1));
    Finta& seconda = nelloSlot(sistema, 2, "\\Seconda");
    seconda.Tabelle.push_back(inRecupero('A', 0, 1));
    auto prepara = [&] {
        sistema.AggiornaStato();
        sistema.Prepara();
        insieme.PreparaLink(sistema);
        insieme.AggiornaStatoLink();
        insieme.AzzeraStatisticheLink();
    };
    prepara();
    EXPECT_FALSE(sistema.Verifica(0xFFu)) << "level 1 admits one recovery per column";
    EXPECT_EQ(insieme.Lettera('A')->RifiutiLivello.Frequenza(1), 1);

    seconda.Tabelle.clear();
    prepara();
    EXPECT_TRUE(sistema.Verifica(0xFFu));
    EXPECT_TRUE(sistema.Verifica(0xFF00u)) << "the next column has its level 1 again";

    insieme.Lettera('A')->ErroriAmmessiNellaLink = ammessi({0});
    prepara();
    EXPECT_FALSE(sistema.Verifica(0xFFu)) << "the verdict refuses the one recovery";
    EXPECT_EQ(insieme.Lettera('A')->RifiutiErrori.Frequenza(1), 1);
}

namespace {

// The 27 admitted-error tables, each with its own values: table k accepts
// k errors, carries link letter 'Z'-k%26 and Campo k, ranges over k..32+k.
Bytes recordInsieme() {
    Bytes b;
    for (int k = 0; k <= TInsiemeLink::NumeroLink; ++k) {
        // Value 101, stored past the meaningful ones, carries level k + 1.
        appendTabella(b, TLink::MassimoErroriAmmessi, true, static_cast<char>('Z' - k % 26),
                      static_cast<std::int16_t>(k),
                      {{k, Accettato}, {101, 0, static_cast<std::uint8_t>(k + 1)}});
        appendTabella(b, TLink::MassimoErroriAmmessi);
        appendLE(b, static_cast<std::uint16_t>(k), 2);
        appendLE(b, static_cast<std::uint16_t>(32 + k), 2);
    }
    return b;
}

constexpr std::size_t kTabellaRegistrata = 2 * (4 + 2 * (TLink::MassimoErroriAmmessi + 4)) + 4;

}  // namespace

TEST(RecordLink, ReadsAndWritesTheTwentySevenTablesOfTheLayout) {
    const Bytes atteso = recordInsieme();
    ASSERT_EQ(atteso.size(), 27u * kTabellaRegistrata);
    ASSERT_EQ(kTabellaRegistrata, 424u);

    TInsiemeLink insieme;
    Lettura l(atteso);
    ASSERT_TRUE(insieme.Carica(l.r));
    EXPECT_TRUE(l.r.atEnd());

    const TMisura& c = insieme.Lettera('C')->ErroriAmmessiNellaLink;
    EXPECT_EQ(std::tuple(c.Prima.Voce(2).Stato, c.Prima.Voce(3).Stato, c.Prima.Link, c.Prima.Campo,
                         c.Prima.Voce(101).Livello, c.Da, c.A),
              std::tuple(Accettato, Rifiutato, 'X', 2, 3, 2, 34));
    EXPECT_EQ(insieme.ErroriAmmessiInTotale.Prima.Voce(26).Stato, Accettato);
    EXPECT_EQ(insieme.ErroriAmmessiInTotale.Prima.Link, 'Z');

    EXPECT_EQ(scritto([&](io::BinaryWriter& w) { return insieme.Salva(w); }), atteso);
}

TEST(RecordLink, AShortReadOrWriteStopsTheRecord) {
    const Bytes completo = recordInsieme();
    auto caricaFinoA = [&](std::size_t taglio, TInsiemeLink& insieme) {
        return insieme.Carica(Lettura(
            Bytes(completo.begin(), completo.begin() + static_cast<std::ptrdiff_t>(taglio))));
    };
    for (std::size_t taglio : {std::size_t{0}, kTabellaRegistrata - 1, completo.size() - 1}) {
        TInsiemeLink insieme;
        EXPECT_FALSE(caricaFinoA(taglio, insieme)) << taglio;
    }
    // A cut inside link 'C': 'A' and 'B' are read, nothing after 'C'.
    TInsiemeLink parziale;
    EXPECT_FALSE(caricaFinoA(2 * kTabellaRegistrata + 300, parziale));
    EXPECT_EQ(parziale.Lettera('B')->ErroriAmmessiNellaLink.Prima.Voce(1).Stato, Accettato);
    EXPECT_EQ(parziale.Lettera('D')->ErroriAmmessiNellaLink.Prima.Voce(3).Stato, Rifiutato);
    EXPECT_EQ(parziale.ErroriAmmessiInTotale.Da, 1);

    TInsiemeLink insieme;
    for (std::size_t limite : {std::size_t{0}, completo.size() - 1}) {
        ScritturaLimitata buffer(limite);
        std::ostream out(&buffer);
        io::BinaryWriter scrittore(out);
        EXPECT_FALSE(insieme.Salva(scrittore)) << limite;
    }
}

TEST(LimitiLink, NoLimitMayAcceptMoreErrorsThanItsMax) {
    TMisura punti = ammessi({0, 3});
    EXPECT_TRUE(NessunValoreOltre(punti, 3));
    EXPECT_FALSE(NessunValoreOltre(punti, 2));
    EXPECT_FALSE(NessunValoreOltre(ammessi({99}), 98));
    EXPECT_FALSE(NessunValoreOltre(ammessi({0}), -1));
    accetta(punti.Prima, {100});
    EXPECT_TRUE(NessunValoreOltre(punti, 3)) << "entries past Massimo are no values";
    TMisura doppia(8, true);
    accetta(doppia.Seconda, {5}, InRecupero, 1);
    EXPECT_FALSE(NessunValoreOltre(doppia, 4));

    TInsiemeLink insieme;
    insieme.Lettera('B')->MassimoErrori = 3;
    insieme.MassimoTotale = 5;
    TInsiemeLink copia;
    copia.CopiaLimiti(insieme);
    auto messaggio = [&](const TMisura& link, const TMisura& totale) {
        return erroreDi([&] { insieme.MemorizzaLimiti('B', link, totale); });
    };
    EXPECT_EQ(messaggio(ammessi({4}), ammessi({5})), MsgErroriNellaLinkTroppoAlti);
    EXPECT_EQ(messaggio(ammessi({3}), ammessi({6})), MsgErroriTotaliTroppoAlti);
    EXPECT_TRUE(insieme.StessiLimiti(copia)) << "a refused edit stores nothing";
    EXPECT_FALSE(insieme.Modificato);

    EXPECT_EQ(messaggio(ammessi({0, 3}), ammessi({5})), "");
    EXPECT_TRUE(insieme.Modificato);
    EXPECT_EQ(insieme.Lettera('B')->ErroriAmmessiNellaLink.Prima.Voce(3).Stato, Accettato);
    EXPECT_FALSE(insieme.StessiLimiti(copia));
    copia.CopiaLimiti(insieme);
    EXPECT_TRUE(insieme.StessiLimiti(copia));
    EXPECT_TRUE(copia.Modificato);
}

TEST(AnalisiRecuperi, CountsAndSharesOfTheRefusals) {
    ludo::TInsiemeLink insieme;
    auto& a = *insieme.Lettera('A');
    a.RifiutiLivello.AggiungiConcorso(2, 0, false);
    a.RifiutiErrori.AggiungiConcorso(3, 0, false);
    a.RifiutiErrori.AggiungiConcorso(3, 0, false);
    a.RifiutiErrori.AggiungiConcorso(5, 0, false);
    a.Controlli = 8;
    insieme.RifiutiTotale.AggiungiConcorso(255, 0, false);
    const auto analisi = ludo::AnalizzaRecuperi(insieme, 'A');
    EXPECT_EQ(analisi.Livelli[2], 1);
    EXPECT_EQ(analisi.BaseLivelli, 8);
    EXPECT_EQ(analisi.ErroriLink[3], 2);
    EXPECT_EQ(analisi.BaseErroriLink, 3);
    EXPECT_EQ(analisi.ErroriTotali[255], 1);
    EXPECT_EQ(ludo::TestoRifiuti(1, 8, true), "12,50 %");
    EXPECT_EQ(ludo::TestoRifiuti(2, 3, true), "66,67 %");
    EXPECT_EQ(ludo::TestoRifiuti(0, 0, true), "0,00 %");
    EXPECT_EQ(ludo::TestoRifiuti(7, 0, false), "7");
    EXPECT_EQ(ludo::AnalizzaRecuperi(insieme, '?').BaseLivelli, 0);
}
