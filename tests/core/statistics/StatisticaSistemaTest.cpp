// The system's record over the archive: wins per category, the mean cycle
// and the delays against it.

#include <memory>
#include <set>

#include "ArchivioDiProva.h"
#include "core/statistics/StatisticaSistema.h"
#include "core/system/T_Sistema.h"

using namespace ludo;
using ludo::test::col;

namespace {

// A condition that lets through exactly the columns it is given.
class SoloQueste : public TCondizione {
public:
    SoloQueste(std::uint8_t slot, std::set<Colonna> ammesse, TCondizioniSistema* proprietario)
        : TCondizione(slot, "SoloQueste", proprietario), ammesse_(std::move(ammesse)) {
        Attivato = true;
    }
    [[nodiscard]] std::unique_ptr<TCondizione> Copia() const override {
        return std::make_unique<SoloQueste>(Codice, ammesse_, Proprietario);
    }
    void Assegna(const TCondizione& altra) override { *this = dynamic_cast<const SoloQueste&>(altra); }
    void AggiornaStato() override { Effettivo = Attivato && !IgnorataInArchivio(); }
    bool Verifica(Colonna colonna) override { return ammesse_.count(colonna) != 0; }
    bool Carica(io::BinaryReader&) override { return true; }

protected:
    bool SalvaDati(io::BinaryWriter&) const override { return true; }

private:
    std::set<Colonna> ammesse_;
};

// Wins, last win, mean cycle, weeks without a win, delay against the cycle,
// least, longest and mean lateness.
auto cifre(const RisultatoCategoria& c) {
    return std::tuple(c.Vincite(), c.UltimaVincita, c.CicloMedio, c.SettimaneDiAssenza(), c.RitardoCm,
                      c.RitardoMinimo, c.RitardoMassimo, c.RitardoMedio);
}

const Colonna kVince = col({1, 2, 3, 4, 5, 6, 7, 8});
const Colonna kPerde = col({11, 12, 13, 14, 15, 16, 17, 18});
const Colonna kSette = col({1, 2, 3, 4, 5, 6, 7, 9});  // 7 points on kVince

class Statistica : public ::testing::Test {
protected:
    Statistica() : sistema_(dir_.path()) {}

    DatiSistema& d() { return *sistema_.Dati; }

    // Contests 1..n of one season; the winning column kVince in the listed
    // contests, vincente otherwise.
    void archivio(int n, std::set<int> vinti, Colonna altrimenti = kPerde) {
        d().Archivio.Svuota();
        for (int i = 1; i <= n; ++i) {
            d().Archivio.InserisciOrdinato(
                {2020, static_cast<std::uint8_t>(i), SerieA, vinti.count(i) ? kVince : altrimenti});
        }
        IntervalloTuttoArchivio(d().Config.Ricerca.Intervallo, d().Archivio);
    }

    void ammetti(std::set<Colonna> ammesse, std::uint8_t slot = CodPariDispari) {
        d().Condizioni.Sostituisci(std::make_unique<SoloQueste>(slot, std::move(ammesse), &d().Condizioni));
        sistema_.PreparaCondizioni();
    }

    test::TempDir dir_;
    T_Sistema sistema_;
};

// One column won in contests 3, 10 and 12 of 20 (gaps 3, 7, 2 against the
// cycle 4: only the 7 is late, by 3), in none of 6, in all of 6.
TEST_F(Statistica, WinsCycleAndLateness) {
    const struct {
        int concorsi;
        std::set<int> vinti;
        decltype(cifre(RisultatoCategoria{})) attese;
        double percentuale;
    } casi[] = {{20, {3, 10, 12}, {3, 12, 4.0, 8, 4, 3, 3, 3.0}, 15.0},
                {6, {}, {0, 0, 0.0, 6, 6, 0, 0, 0.0}, 0.0},
                {6, {1, 2, 3, 4, 5, 6}, {6, 6, 1.0, 0, 0, 0, 0, 0.0}, 100.0}};
    ammetti({kVince});
    for (const auto& caso : casi) {
        SCOPED_TRACE(std::to_string(caso.vinti.size()) + " of " + std::to_string(caso.concorsi));
        archivio(caso.concorsi, caso.vinti);
        const auto s = AnalisiStatistica(sistema_);
        EXPECT_EQ(s.Esaminati, caso.concorsi);
        EXPECT_EQ(cifre(s.Categorie[0]), caso.attese);
        EXPECT_DOUBLE_EQ(PercentualeVinte(s, 0), caso.percentuale);
    }
}

TEST_F(Statistica, SecondCategoryCountsOnlyContestsNotWonInTheFirst) {
    // Contests 1 and 2 won outright; 3 has the winning column kVince's
    // neighbour: the system keeps kVince, a 7-point variant of kSette.
    d().Archivio = test::archivioDi({kVince, kVince, kSette, kPerde}, 2020);
    IntervalloTuttoArchivio(d().Config.Ricerca.Intervallo, d().Archivio);
    d().Config.Ricerca.PrimaSecondaCategoria = true;
    ammetti({kVince});
    const auto s = AnalisiStatistica(sistema_);
    EXPECT_EQ(s.CategorieCercate, 2);
    EXPECT_EQ(s.Categorie[0].Vincite(), 2);
    EXPECT_EQ(s.Categorie[1].Tabella.NumConcorsi(), 2) << "the contests won in the first category add nothing";
    EXPECT_EQ(s.Categorie[1].Vincite(), 1);
    EXPECT_EQ(s.Categorie[1].UltimaVincita, 3) << "positions count every examined contest";
}

TEST_F(Statistica, OnlyThe22LowestMissingNumbersAreTried) {
    // The winning column's only 7-point neighbour the system keeps swaps 8
    // for 32, the highest number: the variants stop at the 22nd missing one.
    const Colonna conIl32 = col({1, 2, 3, 4, 5, 6, 7, 32});
    archivio(1, {1});
    d().Config.Ricerca.PrimaSecondaCategoria = true;
    ammetti({conIl32});
    auto s = AnalisiStatistica(sistema_);
    EXPECT_EQ(s.Categorie[1].Vincite(), 0);

    ammetti({col({1, 2, 3, 4, 5, 6, 7, 30})});  // 30 is the 22nd number missing from 1..8
    s = AnalisiStatistica(sistema_);
    EXPECT_EQ(s.Categorie[1].Vincite(), 1);
}

TEST_F(Statistica, IntervalFixedNumbersAndIgnoredConditions) {
    archivio(10, {2, 4, 6, 8, 10});
    // Only the second half of the season is examined.
    d().Config.Ricerca.Intervallo.ConcDa = 6;
    d().Fisse = col({32});  // never tested over the archive
    ammetti({kVince});
    auto s = AnalisiStatistica(sistema_);
    EXPECT_EQ(TestoConcorsiEsaminati(s), "Concorsi Esaminati : 5 Su 10");
    EXPECT_EQ(std::pair(s.Categorie[0].Vincite(), s.Categorie[0].SettimaneDiAssenza()), std::pair(3, 0));
    EXPECT_TRUE(d().Condizioni.ConFisse) << "the development's settings come back afterwards";
    EXPECT_FALSE(d().Condizioni.ModoArchivio);

    // A filter-column condition is skipped when the settings say so.
    d().Condizioni.Sostituisci(std::make_unique<SoloQueste>(CodPariDispari, std::set<Colonna>{kVince, kPerde},
                                                            &d().Condizioni));
    ammetti({}, CodGruppoColonneFiltro);
    d().Config.Ricerca.IgnoraColonneFiltro = true;
    EXPECT_EQ(AnalisiStatistica(sistema_).Categorie[0].Vincite(), 5);
    d().Config.Ricerca.IgnoraColonneFiltro = false;
    EXPECT_EQ(AnalisiStatistica(sistema_).Categorie[0].Vincite(), 0);
}

TEST_F(Statistica, CancelStopsAfterTheFirstContestAndLeavesTheFiguresOpen) {
    archivio(20, {1, 3, 10, 12});
    ammetti({kVince});
    test::AnnullaDopo annulla(0);
    const auto s = AnalisiStatistica(sistema_, annulla);
    EXPECT_TRUE(s.Interrotta);
    EXPECT_EQ(s.Esaminati, 1);
    EXPECT_EQ(s.Categorie[0].Vincite(), 1);
    EXPECT_EQ(s.Categorie[0].UltimaVincita, 0) << "the cycle is not computed";
    EXPECT_FALSE(d().Condizioni.ModoArchivio);
}

TEST(StatisticaFigure, FilteredShareOfTheWholeDevelopment) {
    EXPECT_DOUBLE_EQ(PercentualeFiltrate(10, 45), 0.0);
    EXPECT_DOUBLE_EQ(PercentualeFiltrate(10, 9), 80.0);
    EXPECT_EQ(TestoFattoreConvenienza(80.0, 20.0), "1.00");
    EXPECT_EQ(TestoFattoreConvenienza(75.0, 0.0), "0.75");
    EXPECT_EQ(TestoFattoreConvenienza(75.0, 100.0), "Infinito");
    EXPECT_EQ(TestoQuattroDueDecimali(4), "4.00");
    EXPECT_EQ(TestoQuattroDueDecimali(12.345), "12.35");
    EXPECT_EQ(TestoQuattroDueDecimali(0), "0.00");
}

TEST_F(Statistica, FilteredShareOnlyForADevelopedSystemWithColumns) {
    auto& d = *sistema_.Dati;
    d.Pronostico = col({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    d.Colonne.Aggiungi(col({1, 2, 3, 4, 5, 6, 7, 8}));
    d.Sviluppato = false;
    EXPECT_FALSE(FiltrateDelSistema(sistema_));
    d.Sviluppato = true;
    EXPECT_DOUBLE_EQ(*FiltrateDelSistema(sistema_), 44.0 / 45.0 * 100.0);
    d.Colonne.Svuota();
    EXPECT_FALSE(FiltrateDelSistema(sistema_));
}

}  // namespace
