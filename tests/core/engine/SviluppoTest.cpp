#include <list>

#include "TestSupport.h"
#include "core/columns/FileColonne.h"
#include "core/columns/GeneraColonne.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/Misure.h"
#include "core/conditions/TGruppo.h"
#include "core/conditions/TQuadro.h"
#include "core/engine/RiduzioneMigliorata.h"
#include "core/engine/Sviluppo.h"
#include "core/system/T_Sistema.h"

using namespace ludo;
using namespace ludo::test;

namespace {

// What GeneraColonne hands out, in order.
std::vector<Colonna> generate(Colonna numeri, int k) {
    std::vector<Colonna> v;
    EXPECT_TRUE(GeneraColonne(numeri, k, NessunAvanzamento(), [&](Colonna c) { v.push_back(c); }));
    return v;
}

// The guarantee reduction as its description reads, on a linked list
// scanned from the newest kept column.
std::vector<Colonna> riduzioneDiRiferimento(const std::vector<Colonna>& colonne, int garanzia) {
    std::list<Colonna> tenute;
    std::vector<Colonna> sospese;
    for (Colonna c : colonne) {
        int massimo = 0;
        bool coperta = false;
        for (Colonna k : tenute) {
            const int m = NumeriComuni(c, k);
            massimo = std::max(massimo, m);
            if (m >= 5) {
                coperta = true;
                break;
            }
        }
        if (!coperta) {
            tenute.push_front(c);
        } else if (massimo < garanzia) {
            sospese.push_back(c);
        }
    }
    for (Colonna c : sospese) {
        if (std::all_of(tenute.begin(), tenute.end(),
                        [&](Colonna k) { return NumeriComuni(c, k) < garanzia; })) {
            tenute.push_front(c);
        }
    }
    return {tenute.begin(), tenute.end()};
}

// Cancels as AnnullaDopo does, answers No and records what it is told.
class Finestra : public InterfacciaSviluppo {
  public:
    explicit Finestra(int annullaDopo = -1) : annulla_(annullaDopo) {}
    bool annullato() const override { return annulla_.annullato(); }
    void Stato(std::string_view t) override { stati.emplace_back(t); }
    void Errore(std::string_view m) override { errori.emplace_back(m); }
    bool Conferma(std::string_view) override {
        ++domande;
        return false;
    }
    void AggiornaCond(std::int64_t, std::int64_t finali, bool finale,
                      std::int64_t esaminate) override {
        if (finale) ultimo = {finali, esaminate};
    }
    void AggiornaRidOtt(std::int64_t totale, std::int64_t corrente, bool finale,
                        std::int64_t fatto) override {
        EXPECT_LE(fatto, totale);
        EXPECT_GE(fatto, fattoRidOtt) << "the gauge only grows";
        fattoRidOtt = fatto;
        if (finale) finaliRidOtt.push_back(corrente);
    }
    std::vector<std::string> stati;
    std::vector<std::string> errori;
    std::pair<std::int64_t, std::int64_t> ultimo{-1, -1};
    int domande = 0;
    std::int64_t fattoRidOtt = 0;
    std::vector<std::int64_t> finaliRidOtt;

  private:
    AnnullaDopo annulla_;
};

class Sviluppo : public ::testing::Test {
  protected:
    DatiSistema& d() { return *sistema_->Dati; }
    // Develops as the windows do: a copy of the system runs and the system
    // takes its result.
    EsitoSviluppo sviluppa(InterfacciaSviluppo& f) {
        T_Sistema copia(*sistema_);
        EsitoSviluppo esito = Sviluppa(copia, f);
        sistema_->AdottaSviluppo(std::move(esito.Risultato));
        return esito;
    }
    // The same, by a window that cancels after some checks (never when negative).
    EsitoSviluppo sviluppa(int annullaDopo = -1) {
        Finestra f(annullaDopo);
        return sviluppa(f);
    }
    CartellaProgramma dir_;
    std::unique_ptr<T_Sistema> sistema_ = std::make_unique<T_Sistema>(dir_.path());
};

}  // namespace

TEST(GeneraColonne, LexicographicOrderCountsAndCancel) {
    // Numbers spread over the mask come out in ascending order too.
    for (const auto& [numeri, k] :
         {std::pair{primi(12), 8}, {primi(10), 6}, {primi(10), 7}, {0x80AA00FFu, 8}})
        EXPECT_EQ(generate(numeri, k), sottoinsiemi(numeri, k)) << std::hex << numeri << " " << k;
    EXPECT_TRUE(generate(primi(10), 5).empty());

    AnnullaDopo annulla(3);
    int prima = 0;
    EXPECT_FALSE(GeneraColonne(primi(16), 8, annulla, [&](Colonna) { ++prima; }));
    EXPECT_GT(prima, 0);
    EXPECT_LT(prima, 12870);

    std::vector<Colonna> campione;
    GeneraCampione(5, primi(12), [&](Colonna c) { campione.push_back(c); });
    ASSERT_EQ(campione.size(), 99u);
    EXPECT_EQ(campione[0], sottoinsiemi(primi(12), 8)[4]);
    EXPECT_EQ(campione[1], sottoinsiemi(primi(12), 8)[9]);
}

TEST_F(Sviluppo, SmallForecastsAndFixedMatches) {
    Finestra f;
    d().Pronostico = primi(8);
    EXPECT_EQ(sviluppa(f).Finali, 1);
    d().Pronostico = primi(7);
    const auto sette = sviluppa(f);
    EXPECT_EQ(sette.Totale, 0);
    EXPECT_EQ(sette.Finali, 0);

    d().Pronostico = primi(12);
    d().Fisse = 0x3;
    auto esito = sviluppa(f);
    EXPECT_EQ(esito.Finali, 210);
    for (Colonna c : d().Colonne) EXPECT_EQ(c & 0x3u, 0x3u);
    EXPECT_TRUE(d().Sviluppato);
    EXPECT_EQ(sistema_->ColonnePrecedenti, 210);
    EXPECT_EQ(f.ultimo, (std::pair<std::int64_t, std::int64_t>{210, 495}));
    EXPECT_TRUE(f.stati.back().starts_with("Elaborazione Terminata.   Tempo Impiegato : "));

    d().Destinazione.UsaCondizionamenti = false;
    EXPECT_EQ(sviluppa(f).Finali, 495) << "without conditions the fixed matches are not tested";
    EXPECT_EQ(elenco(d().Colonne), sottoinsiemi(primi(12), 8));
}

TEST_F(Sviluppo, ColumnFileSourceAndDestination) {
    // Ten source columns; a "Resti" of divisor 2 accepting only even sums drops three.
    // Runs of eight have even sums; 1..7 with 9, 11 or 13 have odd ones.
    const std::vector<Colonna> colonne = {0xFF,  0x1FE,  0x17F,  0x3FC,  0x47F,
                                          0xFF0, 0x1FE0, 0x107F, 0x7F80, 0xFF00};
    ScriviFile(listaDi(colonne), dir_ / "COLONNE" / "sorgente.Col");
    d().Sorgente = {false, "sorgente.Col"};
    auto& gruppo = static_cast<TGruppo&>(d().Condizioni.Condizione(CodGruppoResti));
    auto& resti = static_cast<TResti&>(gruppo.NuovoMembro());
    resti.Divisore = 2;
    resti.Tabelle[0].Prima.Voci[0].Stato = Accettato;
    std::vector<Colonna> attese;
    for (Colonna c : colonne) {
        if (MisuraResti(c, 2) == 0) attese.push_back(c);
    }
    ASSERT_EQ(attese.size(), 7u) << "the test data must drop three columns";

    Finestra f;
    auto esito = sviluppa(f);
    EXPECT_EQ(esito.Totale, 10);
    EXPECT_EQ(elenco(d().Colonne), attese);
    EXPECT_EQ(f.ultimo.second - f.ultimo.first, 3) << "three filtered";

    d().Destinazione.DestinazioneMemoria = false;
    d().Destinazione.FileDestinazione = "uscita.Col";
    esito = sviluppa(f);
    EXPECT_TRUE(d().Colonne.Vuota());
    ListaColonne scritte;
    ASSERT_TRUE(LeggiFile(scritte, dir_ / "COLONNE" / "uscita.Col", false));
    EXPECT_EQ(elenco(scritte), attese);
    EXPECT_EQ(sistema_->ColonnePrecedenti, 7);

    d().Sorgente.FileSorgente = "manca.Col";
    sviluppa(f);
    EXPECT_EQ(f.errori.back(), MsgCaricareFileCombinazioni);
}

TEST_F(Sviluppo, CancelAtEachSourceAndDestination) {
    d().Pronostico = primi(16);
    auto esito = sviluppa(2);
    EXPECT_TRUE(esito.Annullato);
    EXPECT_TRUE(d().Colonne.Vuota()) << "forecast to memory: the list is emptied";
    EXPECT_TRUE(esito.EnumerazioneInterrotta);

    d().Destinazione.DestinazioneMemoria = false;
    d().Destinazione.FileDestinazione = "parziale.Col";
    esito = sviluppa(2);
    EXPECT_TRUE(esito.Annullato);
    ListaColonne scritte;
    ASSERT_TRUE(LeggiFile(scritte, dir_ / "COLONNE" / "parziale.Col", false));
    EXPECT_GT(scritte.Conteggio(), 0u) << "the columns kept before the cancel are written";
    EXPECT_LT(scritte.Conteggio(), 12870u);
    const auto sedici = sottoinsiemi(primi(16), 8);
    EXPECT_EQ(elenco(scritte),
              std::vector<Colonna>(sedici.begin(),
                                   sedici.begin() + static_cast<long>(scritte.Conteggio())));

    ScriviFile(listaDi(sottoinsiemi(primi(12), 8)), dir_ / "COLONNE" / "s.Col");
    d().Sorgente = {false, "s.Col"};
    esito = sviluppa(100);
    EXPECT_TRUE(esito.Annullato);
    ASSERT_TRUE(LeggiFile(scritte, dir_ / "COLONNE" / "parziale.Col", false));
    EXPECT_EQ(scritte.Conteggio(), 101u)
        << "file source: stops after the mask that saw the request";

    d().Destinazione.DestinazioneMemoria = true;
    esito = sviluppa(100);
    EXPECT_TRUE(esito.Annullato);
    EXPECT_EQ(d().Colonne.Conteggio(), 101u) << "file source to memory keeps what was read";
}

TEST_F(Sviluppo, PlainReductionIsTheStraightforwardOneAndTheOptimisedOneIsNoLarger) {
    d().Pronostico = primi(12);
    d().Destinazione.SviluppoRidotto = true;
    for (int garanzia : {6, 7}) {
        SCOPED_TRACE(garanzia);
        d().Destinazione.Garanzia = static_cast<std::uint8_t>(garanzia);
        d().Destinazione.RiduzioneOttimizzata = false;
        sviluppa();
        const auto riferimento = riduzioneDiRiferimento(sottoinsiemi(primi(12), 8), garanzia);
        EXPECT_EQ(elenco(d().Colonne), riferimento);
        EXPECT_EQ(scoperte(sottoinsiemi(primi(12), 8), elenco(d().Colonne), garanzia), 0u);

        d().Destinazione.RiduzioneOttimizzata = true;
        EXPECT_EQ(sviluppa().ColonneSviluppate, 495);
        const auto tenute = elenco(d().Colonne);
        EXPECT_EQ(scoperte(sottoinsiemi(primi(12), 8), tenute, garanzia), 0u);
        EXPECT_LE(tenute.size(), riferimento.size());
    }
    const auto esito = sviluppa(5);
    EXPECT_TRUE(esito.Annullato);
    EXPECT_TRUE(d().Colonne.Vuota()) << "a cancelled optimised reduction leaves nothing";
}

// The improved reduction runs after the greedy cover, for the seconds and
// with the seed of the settings.
TEST_F(Sviluppo, TheImprovedReductionRunsAfterTheGreedyCover) {
    d().Pronostico = primi(12);
    auto& dest = d().Destinazione;
    dest.SviluppoRidotto = dest.RiduzioneOttimizzata = true;
    dest.Garanzia = 7;
    dest.RiduzioneMigliorata = true;
    dest.SecondiMigliorata = 2;
    dest.SemeMigliorata = 9;
    const auto parametri = ParametriSviluppo(dest);
    EXPECT_EQ(std::tuple(parametri.Secondi, parametri.Seme, parametri.Passi),
              std::tuple(2.0, 9u, 0u))
        << "a development is bounded by its seconds";
    Finestra f;
    const auto esito = sviluppa(f);
    const auto tenute = elenco(d().Colonne);
    EXPECT_FALSE(esito.Annullato);
    EXPECT_EQ(esito.ColonneSviluppate, 495);
    EXPECT_EQ(esito.Finali, static_cast<std::int64_t>(tenute.size()));
    EXPECT_EQ(scoperte(sottoinsiemi(primi(12), 8), tenute, 7), 0u);
    ASSERT_EQ(f.finaliRidOtt.size(), 1u) << "one final report, at the very end";
    EXPECT_EQ(f.finaliRidOtt.back(), esito.Finali);
    EXPECT_NE(std::find(f.stati.begin(), f.stati.end(), "Autoriduzione in Corso : Fase 4"),
              f.stati.end());
}

TEST_F(Sviluppo, NineNumbersWithGuaranteeAndMultipleWins) {
    d().Pronostico = primi(9);
    d().Destinazione.SviluppoRidotto = true;
    d().Destinazione.Garanzia = 7;
    sviluppa();
    EXPECT_EQ(d().Colonne.Conteggio(), 1u);

    d().Destinazione.VinciteMultiple = 2;
    Finestra due;
    sviluppa(due);
    EXPECT_EQ(d().Colonne.Conteggio(), 2u);
    const auto tenute = elenco(d().Colonne);
    for (Colonna c : sottoinsiemi(primi(9), 8)) {
        const auto a7 = std::count_if(tenute.begin(), tenute.end(),
                                      [&](Colonna k) { return NumeriComuni(c, k) == 7; });
        const bool tenuta = std::find(tenute.begin(), tenute.end(), c) != tenute.end();
        EXPECT_TRUE(tenuta || a7 >= 2) << TestoColonna(c);
    }
    EXPECT_NE(std::find(due.stati.begin(), due.stati.end(), "Elaborazione in Corso... Passo 2"),
              due.stati.end());
}

TEST_F(Sviluppo, MinimumDistanceKeepsColumnsApart) {
    d().Pronostico = primi(12);
    d().Destinazione.SviluppoRidotto = true;
    d().Destinazione.DistanzaMinima = true;
    for (int dist : {2, 4, 6}) {
        d().Destinazione.DistMin = static_cast<std::uint8_t>(dist);
        sviluppa();
        const auto tenute = elenco(d().Colonne);
        ASSERT_FALSE(tenute.empty());
        for (std::size_t i = 0; i < tenute.size(); ++i) {
            for (std::size_t j = i + 1; j < tenute.size(); ++j) {
                ASSERT_GE(8 - NumeriComuni(tenute[i], tenute[j]), dist);
            }
        }
        // Nothing more could be added: every column is too close to a kept one.
        for (Colonna c : sottoinsiemi(primi(12), 8)) {
            const bool vicina = std::any_of(tenute.begin(), tenute.end(), [&](Colonna k) {
                return 8 - NumeriComuni(c, k) < dist;
            });
            EXPECT_TRUE(vicina);
        }
    }
}

TEST_F(Sviluppo, OptimisedReductionAsksAboutLargeLists) {
    d().Pronostico = primi(14);  // 3003 columns, below the question's threshold
    d().Destinazione.SviluppoRidotto = true;
    d().Destinazione.RiduzioneOttimizzata = true;
    d().Destinazione.Garanzia = 7;
    Finestra f;
    sviluppa(f);
    EXPECT_EQ(f.domande, 0);
    d().Pronostico = primi(17);  // 24,310 columns
    Finestra g;
    sviluppa(g);
    EXPECT_EQ(g.domande, 1);
    EXPECT_EQ(d().Colonne.Conteggio(), 24310u) << "answered No: the developed columns stay";
}

TEST_F(Sviluppo, EstimatedCalculationSamples) {
    d().Pronostico = primi(20);
    Finestra f;
    auto esito = CalcoloStimato(*sistema_, f);
    EXPECT_TRUE(esito.Risultato.Colonne.Vuota());
    sistema_->AdottaSviluppo(std::move(esito.Risultato));
    EXPECT_EQ(PassoCampione(125970), 5);
    EXPECT_EQ(esito.Finali, 125970 / 5 * 5);
    EXPECT_EQ(sistema_->ColonnePrecedenti, esito.Finali);
    EXPECT_EQ(PassoCampione(9999), 1);
    EXPECT_EQ(PassoCampione(3000000), 50);
    EXPECT_EQ(TestoTempo(3725), "01:02:05");
}

// Conditions whose verdict is the same for every column are left out of the
// tests; the result must be what testing them would give.
TEST_F(Sviluppo, FixedVerdictsGiveTheSameColumnsAsTestingThem) {
    d().Pronostico = primi(10);
    auto& quadro = static_cast<TQuadro&>(d().Condizioni.Condizione(CodQuadro));
    for (int i = 0; i < 2; ++i) {
        auto& spento = static_cast<TColonnaFiltro&>(*quadro.Inserisci(CodColonnaFiltro));
        spento.Numeri = primi(8);
        spento.Tabelle[0].Prima.Voci[8].Stato = Accettato;
        spento.Attivato = false;
    }
    quadro.ApplicaRelazione(RelazioneAnd);
    EXPECT_EQ(sviluppa().Finali, 45) << "switched-off members count as satisfied";
    sistema_->PreparaCondizioni();
    EXPECT_TRUE(d().Condizioni.SempreVera());

    quadro.ApplicaRelazione(RelazioneNot);
    EXPECT_EQ(sviluppa().Finali, 0) << "NOT accepts no satisfied member, and both always are";
    sistema_->PreparaCondizioni();
    EXPECT_FALSE(d().Condizioni.SempreVera());

    quadro.Elenco[0]->Attivato = true;
    quadro.ApplicaRelazione(RelazioneAnd);
    EXPECT_EQ(sviluppa().Finali, 1) << "a member taking part is tested on every column";
    EXPECT_EQ(*d().Colonne.begin(), primi(8));

    // A total of admitted errors that refuses 0 refuses every column, even
    // with no link in use.
    quadro.Elenco.clear();
    quadro.ApplicaRelazione(RelazioneAnd);
    for (auto& voce : d().Link.ErroriAmmessiInTotale.Prima.Voci) voce.Stato = Accettato;
    d().Link.ErroriAmmessiInTotale.Prima.Voci[0].Stato = Rifiutato;
    EXPECT_EQ(sviluppa().Finali, 0);
    EXPECT_EQ(d().Link.RifiutiTotale.Frequenza(0), 45);
    d().Link.ErroriAmmessiInTotale.Prima.Voci[0].Stato = Accettato;
    EXPECT_EQ(sviluppa().Finali, 45);

    d().Fisse = 0x1;
    EXPECT_EQ(sviluppa().Finali, 36);
    sistema_->PreparaCondizioni();
    EXPECT_FALSE(d().Condizioni.SempreVera());
}

// The windows develop a copy on another thread while the system stays with
// the user; the copy owns its conditions and links, and the system takes the
// columns and the counts only when told to.
TEST_F(Sviluppo, ACopyDevelopsTheSameColumnsAndTheSystemTakesThemWhenTold) {
    d().Pronostico = primi(12);
    d().Fisse = 0x1;
    auto& pari = static_cast<TPariDispari&>(d().Condizioni.Condizione(CodPariDispari));
    accetta(pari.Tabelle[0].Prima, {3, 4, 5});
    d().Picchetti[3] = 1.23;
    d().Archivio.InserisciOrdinato(T_Concorso{2024, 1, SerieA, primi(8)});
    auto& quadro = static_cast<TQuadro&>(d().Condizioni.Condizione(CodQuadro));
    quadro.Inserisci(CodColonnaFiltro)->Attivato = false;
    Finestra f;
    sviluppa(f);
    const auto attese = elenco(d().Colonne);
    ASSERT_FALSE(attese.empty());
    sistema_->ColonnePrecedenti = 7;

    auto copia = std::make_unique<T_Sistema>(*sistema_);
    auto& condizioniCopia = copia->Dati->Condizioni;
    for (int n = 1; n <= TCondizioniSistema::NumeroCondizioni; ++n) {
        EXPECT_EQ(condizioniCopia.Condizione(n).Proprietario, &condizioniCopia);
    }
    EXPECT_EQ(
        static_cast<TQuadro&>(condizioniCopia.Condizione(CodQuadro)).Elenco.at(0)->Proprietario,
        &condizioniCopia);
    EXPECT_EQ(elenco(copia->Dati->Colonne), attese);
    EXPECT_EQ(copia->ColonnePrecedenti, 7);
    EXPECT_EQ(copia->Dati->Picchetti, d().Picchetti);
    EXPECT_EQ(copia->Dati->Archivio.Concorsi().size(), 1u);
    pari.Tabelle[0].Prima.Voci[4].Stato = Rifiutato;
    sistema_->ColonneNonValide();
    auto esito = Sviluppa(*copia, f);
    EXPECT_EQ(elenco(esito.Risultato.Colonne), attese) << "the copy's conditions are its own";
    EXPECT_EQ(esito.Risultato.ColonnePrecedenti, static_cast<std::int32_t>(attese.size()));
    EXPECT_TRUE(d().Colonne.Vuota()) << "the run left the system alone";

    // The copy outlives the system it came from.
    sistema_.reset();
    EXPECT_EQ(Sviluppa(*copia, f).Finali, static_cast<std::int64_t>(attese.size()));
}
