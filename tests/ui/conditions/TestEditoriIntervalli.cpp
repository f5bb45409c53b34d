// The editors whose measure is tested in intervals ("Somme", "Picchetti")
// and "Punti Tra": the gestures of the interval pages and what they leave
// in the condition, the match choices and the checks before storing.
#include <QtTest>
#include <QtWidgets>

#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "ProveEditori.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/TPuntiTra.h"
#include "ui/conditions/TFrmValori.h"
#include "ui/controls/TGestoreGrid.h"
#include "ui/controls/TPronostico.h"

using namespace prova;

namespace {

// Shows a page of the intervals as the user does, with a click on its tab.
void Pagina(TFrmCondizione& f, int pagina) {
    auto* schede = C<QTabWidget>(f, "PagineIntervalli")->tabBar();
    QTest::mouseClick(schede, Qt::LeftButton, {}, schede->tabRect(pagina).center());
}

std::array<bool, 32> Scelte(std::initializer_list<int> numeri) {
    std::array<bool, 32> a{};
    for (int n : numeri) a[static_cast<std::size_t>(n - 1)] = true;
    return a;
}

}  // namespace

class TestEditoriIntervalli : public QObject {
    Q_OBJECT
  private slots:
    void anIntervalTypedIsTheIntervalTheConditionHolds() {
        ludo::TCondizioniSistema cs;
        ludo::TSomma somma(&cs);
        auto f = Apri(somma);
        Clic(*f, "TuttiBtn");
        Inserisci(*f, "90", "118");
        Inserisci(*f, "119", "140", true);  // Enter adds too, and does not close the window
        QVERIFY(f->isVisible());
        Pagina(*f, 1);
        C<QSpinBox>(*f, "SpinLivello")->setValue(3);
        C<QComboBox>(*f, "ComboLink")->setCurrentIndex(2);
        Inserisci(*f, "", "89");  // an empty minimum is the lowest sum
        Clic(*f, "OKBtn");
        QCOMPARE(somma.Intervalli.Numero, 3);
        QCOMPARE(somma.Intervalli.Intervalli[0], (ludo::Intervallo{90, 118, ludo::Accettato, 0}));
        QCOMPARE(somma.Intervalli.Intervalli[1], (ludo::Intervallo{119, 140, ludo::Accettato, 0}));
        QCOMPARE(somma.Intervalli.Intervalli[2], (ludo::Intervallo{0, 89, ludo::InRecupero, 3}));
        QCOMPARE(somma.Intervalli.Link, 'C');
        QCOMPARE(somma.Partite, ~ludo::Colonna{0});

        // A row chosen comes back into the boxes; "Sostituisci" puts the
        // boxes in its place, Canc removes a row.
        auto g = Apri(somma);
        auto* ammessi = C<QTableWidget>(*g, "GridAmmessi");
        ClicCella(*ammessi, 0, 0);
        QCOMPARE(C<QLineEdit>(*g, "EditMin")->text(), QStringLiteral("90"));
        QCOMPARE(C<QLineEdit>(*g, "EditMax")->text(), QStringLiteral("118"));
        Digita(C<QLineEdit>(*g, "EditMax"), QStringLiteral("100"));
        Clic(*g, "SostituisciBtn");
        ClicCella(*ammessi, 1, 0);
        QTest::keyClick(ammessi, Qt::Key_Delete);
        Clic(*g, "OKBtn");
        QCOMPARE(somma.Intervalli.Numero, 2);
        QCOMPARE(somma.Intervalli.Intervalli[0], (ludo::Intervallo{90, 100, ludo::Accettato, 0}));
        QCOMPARE(somma.Intervalli.Intervalli[1].Stato, ludo::InRecupero);
        QCOMPARE(somma.Intervalli.Link, 'C');
    }

    void aFaultyIntervalIsRefusedAndLeavesThePagesAsTheyWere_data() {
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("max");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("sovrapposto") << "100" << "130" << TGestoreGrid::Messaggio(TGestoreGrid::Errore::NonContigui);
        QTest::newRow("decimale") << "1" << "2.5" << TGestoreGrid::Messaggio(TGestoreGrid::Errore::Massimo);
        QTest::newRow("oltre 528") << "1" << "529" << TGestoreGrid::Messaggio(TGestoreGrid::Errore::Massimo);
        QTest::newRow("vuoto") << "" << "" << TGestoreGrid::Messaggio(TGestoreGrid::Errore::Minimo);
    }
    void aFaultyIntervalIsRefusedAndLeavesThePagesAsTheyWere() {
        QFETCH(QString, min);
        QFETCH(QString, max);
        QFETCH(QString, messaggio);
        ludo::TCondizioniSistema cs;
        ludo::TSomma somma(&cs);
        somma.Intervalli.Intervalli[0] = {90, 118, ludo::Accettato, 0};
        somma.Intervalli.Numero = 1;
        const std::string prima = Record(somma);
        auto f = Apri(somma);
        RispostaMessaggio risposta;
        Inserisci(*f, min, max);
        QTRY_COMPARE(risposta.testi, QStringList{messaggio});
        QCOMPARE(risposta.titoli, QStringList{"Informazione"});
        const QTableWidgetItem* seconda = C<QTableWidget>(*f, "GridAmmessi")->item(1, 0);
        QVERIFY(seconda == nullptr || seconda->text().isEmpty());
        Clic(*f, "OKBtn");
        QCOMPARE(Record(somma), prima);
    }

    void aTableHoldsFortyThreeIntervalsAndNoMore() {
        ludo::TCondizioniSistema cs;
        ludo::TSomma somma(&cs);
        auto f = Apri(somma);
        // All on the page of accepted intervals: it grows past its 21 rows.
        for (int i = 0; i < ludo::TIntervalli::MassimoIntervalli; ++i)
            Inserisci(*f, QString::number(2 * i), QString::number(2 * i));
        RispostaMessaggio risposta;
        Pagina(*f, 1);
        Inserisci(*f, "200", "210");
        QTRY_COMPARE(risposta.testi, QStringList{TGestoreGrid::Messaggio(TGestoreGrid::Errore::Troppi)});
        Clic(*f, "OKBtn");
        QCOMPARE(somma.Intervalli.Numero, 43);
        QCOMPARE(somma.Intervalli.Intervalli[42], (ludo::Intervallo{84, 84, ludo::Accettato, 0}));
        // And they all come back.
        auto g = Apri(somma);
        Clic(*g, "OKBtn");
        QCOMPARE(somma.Intervalli.Numero, 43);
    }

    void theMatchButtonsAndThePossibleSums() {
        ludo::TCondizioniSistema cs;
        ludo::TSomma somma(&cs);
        somma.Intervalli.Intervalli[0] = {0, 528, ludo::Accettato, 0};
        somma.Intervalli.Numero = 1;
        auto f = Apri(somma);
        auto* minimo = C<QLabel>(*f, "PanelMinimo");
        auto* massimo = C<QLabel>(*f, "PanelMassimo");
        QCOMPARE(massimo->text(), QStringLiteral("0"));
        Clic(*f, "TuttiBtn");
        QCOMPARE(minimo->text(), QStringLiteral("36"));
        QCOMPARE(massimo->text(), QStringLiteral("228"));
        Clic(*f, "PariBtn");
        QCOMPARE(massimo->text(), QStringLiteral("200"));  // 18 + 20 + … + 32
        Clic(*f, "DispariBtn");
        // A click on a match counts at once.
        auto* alto = C<TPronostico>(*f, "Par17_32");
        Clicca(*alto, 15);                                 // 32 in
        QCOMPARE(massimo->text(), QStringLiteral("207"));  // 32 + 31 + … + 19
        Clic(*f, "OKBtn");
        QCOMPARE(somma.Partite, 0x55555555U | (ludo::Colonna{1} << 31));
        auto g = Apri(somma);
        Clic(*g, "AzzeraPartiteBtn");
        QCOMPARE(C<QLabel>(*g, "PanelMassimo")->text(), QStringLiteral("0"));
        Clic(*g, "OKBtn");
        QCOMPARE(somma.Partite, 0U);
    }

    void noIntervalIsWarnedAndStoresNothing() {
        ludo::TCondizioniSistema cs;
        for (std::uint8_t codice : {ludo::CodSomma, ludo::CodGruppoSomme, ludo::CodPicchetto, ludo::CodPuntiTra}) {
            auto c = ludo::CreaCondizione(codice, &cs);
            const std::string prima = Record(*c);
            auto f = Apri(*c);
            // None typed, or all taken away with "Azzera ".
            Inserisci(*f, QStringLiteral("1"), QStringLiteral("2"));
            Clic(*f, "AzzeraBtn");
            RispostaMessaggio risposta;
            Clic(*f, "OKBtn");
            QTRY_COMPARE(risposta.testi, QStringList{"Non è stato impostato alcun intervallo"});
            QVERIFY(f->isVisible());
            Clic(*f, "AnnullaBtn");
            QCOMPARE(Record(*c), prima);
        }
    }

    void picchettiKeepsAtLeastEightMatchesInPlay() {
        ludo::TCondizioniSistema cs;
        cs.Pronostico = Numeri({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        cs.Picchetti.fill(12.5);
        ludo::TPicchetto picchetto(&cs);
        picchetto.Partite = Scelte({2, 4, 31});  // 31 is no longer in play
        picchetto.Intervalli.Intervalli[0] = {50, 60.5, ludo::Accettato, 0};
        picchetto.Intervalli.Numero = 1;
        const std::string prima = Record(picchetto);
        auto f = Apri(picchetto);
        auto* partite = C<QTableWidget>(*f, "GridSQ");
        QCOMPARE(partite->item(0, 1)->text(), QStringLiteral("12.50"));
        {
            RispostaMessaggio risposta;
            Clic(*f, "OKBtn");
            QTRY_COMPARE(risposta.testi, QStringList{TFrmValori::MessaggioCompletate});
            QCOMPARE(risposta.titoli, QStringList{"Informazione"});
            QVERIFY(f->isVisible());
            QCOMPARE(Record(picchetto), prima);
        }
        // Completed from the lowest matches in play: 1, 2, 3, 4, 5, 6, 7, 8.
        for (int riga = 0; riga < 32; ++riga)
            QCOMPARE(partite->item(riga, 0)->checkState() == Qt::Checked, riga < 8);
        {
            RispostaMessaggio risposta;
            ClicCella(*partite, 0, 0);
            QTRY_COMPARE(risposta.testi, QStringList{TFrmValori::MessaggioMenoDiOtto});
            QCOMPARE(partite->item(0, 0)->checkState(), Qt::Checked);
        }
        ClicCella(*partite, 9, 0);   // 10 in
        ClicCella(*partite, 0, 0);   // then 1 can go
        ClicCella(*partite, 20, 0);  // 21 is not in play
        QCOMPARE(partite->item(20, 0)->checkState(), Qt::Unchecked);
        Clic(*f, "RadioProdotto");
        Clic(*f, "OKBtn");
        QCOMPARE(picchetto.Partite, Scelte({2, 3, 4, 5, 6, 7, 8, 10}));
        QCOMPARE(picchetto.Tipo, 0);
        QCOMPARE(picchetto.Intervalli.Intervalli[0].Max, 60.5);
    }

    void puntiTraShowsEachGroupWithTheConditionsThatFeedIt() {
        ludo::TCondizioniSistema cs;
        auto& pari = static_cast<ludo::TPariDispari&>(cs.Condizione(ludo::CodPariDispari));
        pari.Tabelle[1].Prima.Campo = 3;
        auto& resti = static_cast<ludo::TGruppo&>(cs.Condizione(ludo::CodGruppoResti));
        static_cast<ludo::TResti&>(resti.NuovoMembro()).Tabelle[0].Seconda.Campo = 3;
        cs.ImpostaPercorsi();
        auto& puntiTra = cs.PuntiTra();
        auto f = Apri(puntiTra);
        auto* gruppo = C<QSpinBox>(*f, "EditTra");
        auto* condizioni = C<QListWidget>(*f, "ListBoxCond");
        QCOMPARE(gruppo->value(), 1);
        QCOMPARE(condizioni->count(), 0);
        gruppo->setValue(3);
        QCOMPARE(VociDi(*condizioni),
                 (QStringList{QString::fromStdString(pari.Percorso),
                              QString::fromStdString(resti.Elenco[0]->Percorso)}));
        Inserisci(*f, "5", "9");
        gruppo->setValue(4);
        QCOMPARE(C<QTableWidget>(*f, "GridAmmessi")->item(0, 0), nullptr);
        gruppo->setValue(3);
        QCOMPARE(C<QTableWidget>(*f, "GridAmmessi")->item(0, 0)->text(), QStringLiteral("5"));

        // A group whose intervals do not read back is not left.
        C<QTableWidget>(*f, "GridAmmessi")->item(0, 1)->setText(QStringLiteral("x"));
        {
            RispostaMessaggio risposta;
            gruppo->setValue(7);
            QTRY_COMPARE(risposta.testi.size(), 1);
            QCOMPARE(gruppo->value(), 3);
        }
        C<QTableWidget>(*f, "GridAmmessi")->item(0, 1)->setText(QStringLiteral("9"));
        Clic(*f, "OKBtn");
        QCOMPARE(puntiTra.Gruppi[3].Numero, 1);
        QCOMPARE(puntiTra.Gruppi[3].Intervalli[0], (ludo::Intervallo{5, 9, ludo::Accettato, 0}));
        QCOMPARE(puntiTra.Gruppi[4].Numero, 0);
    }
};

QTEST_MAIN(TestEditoriIntervalli)
#include "TestEditoriIntervalli.moc"
