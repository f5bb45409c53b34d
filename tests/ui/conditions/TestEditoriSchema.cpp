// The editors of the pattern conditions: the "Tipo" that moves every table
// between numbers and positions, and the "Sequele" kinds, steps and checks.
#include <QtTest>
#include <QtWidgets>

#include "../controls/RispostaMessaggio.h"
#include "ProveEditori.h"
#include "core/conditions/CondizioniSchema.h"
#include "ui/conditions/StatisticheCondizione.h"
#include "ui/conditions/TFrmSequela.h"
#include "ui/controls/TGEditColonna.h"

using namespace prova;

namespace {

// The range the points control would store.
std::pair<int, int> Intervallo(const TGGraphpt& punti) {
    ludo::TMisura misura(32, true);
    punti.SalvaMisura(misura);
    return {misura.Da, misura.A};
}

// Types the signs into the boxes of the pattern, from position 1.
void ScriviSequela(TFrmCondizione& f, const QStringList& segni) {
    auto* sequela = C<TGEditColonna>(f, "EditSequela");
    for (int i = 0; i < segni.size(); ++i) Digita(sequela->Casella(i + 1), segni[i]);
}

// Kind, length and the steps after a found and a missed sequence.
QList<int> Parametri(const ludo::TSequela& s) {
    const auto& p = s.Parametri;
    return {p.tipo, p.lunghezza, p.passoTrovata, p.passoNonTrovata};
}

}  // namespace

class TestEditoriSchema : public QObject {
    Q_OBJECT
  private slots:
    void tipoMovesEveryTableBetweenNumbersAndPositions() {
        ludo::TCondizioniSistema cs;
        for (std::uint8_t codice :
             {ludo::CodInterruzioni, ludo::CodSimmetrie, ludo::CodRipetizioni}) {
            const std::vector<const char*>& nomi = kPunti.at(codice);
            auto c = ludo::CreaCondizione(codice, &cs);
            auto f = Apri(*c);
            QVERIFY(C<QRadioButton>(*f, "RadioNum")->isChecked());
            // A mark made before the switch survives it.
            Clicca(*C<TGGraphpt>(*f, nomi[0]), 2);
            Clic(*f, "RadioPD");
            Clic(*f, "OKBtn");
            QCOMPARE(c->Modo, 1);
            for (std::size_t t = 0; t < nomi.size(); ++t) {
                QCOMPARE(TabellaCondizione(*c, static_cast<int>(t)).A, 8);
            }
            QCOMPARE(TabellaCondizione(*c, 0).Prima.Voce(2).Stato, ludo::Accettato);

            auto g = Apri(*c);
            QVERIFY(C<QRadioButton>(*g, "RadioPD")->isChecked());
            Clic(*g, "RadioNum");
            QCOMPARE(Intervallo(*C<TGGraphpt>(*g, nomi.back())), std::make_pair(1, 32));
            Clic(*g, "AnnullaBtn");
            QCOMPARE(c->Modo, 1);
            QCOMPARE(TabellaCondizione(*c, 0).A, 8);
        }
    }

    void sequelaKindsStepsAndPatternAreStored() {
        ludo::TCondizioniSistema cs;
        ludo::TSequela sequela(&cs);
        auto f = Apri(sequela);
        ScriviSequela(*f, {"P", "pd", "D"});
        // The pattern typed sets the length to its signs.
        QCOMPARE(C<QSpinBox>(*f, "SpinLunghezza")->value(), 3);
        Clic(*f, "Speedpasso4");
        QCOMPARE(C<QSpinBox>(*f, "SpinPassoT")->value(), 4);
        C<QSpinBox>(*f, "SpinPassoNT")->setValue(2);
        Clic(*f, "OKBtn");
        QCOMPARE(Parametri(sequela), (QList<int>{1, 3, 4, 2}));
        QCOMPARE(sequela.Parametri.sequela, (Sequela{1, 3, 2, 0, 0, 0, 0, 0}));

        auto g = Apri(sequela);
        QCOMPARE(C<TGEditColonna>(*g, "EditSequela")->Casella(2)->text(), QStringLiteral("PD"));
        Clic(*g, "SpeedGenerica");
        C<QSpinBox>(*g, "SpinLunghezza")->setValue(5);
        Clic(*g, "SpeedpassoN");  // found windows do not overlap
        QCOMPARE(C<QSpinBox>(*g, "SpinPassoT")->value(), 5);
        Clic(*g, "SpeedpassoX");
        QCOMPARE(C<QSpinBox>(*g, "SpinPassoT")->value(), 1);
        QCOMPARE(C<QSpinBox>(*g, "SpinPassoNT")->value(), 1);
        Clic(*g, "OKBtn");
        QCOMPARE(Parametri(sequela), (QList<int>{4, 5, 1, 1}));
        for (const auto& [pulsante, tipo] :
             {std::pair{"SpeedMonoT", 2}, {"SpeedBiT", 3}, {"SpeedSpecchio", 5}}) {
            auto h = Apri(sequela);
            Clic(*h, pulsante);
            Clic(*h, "OKBtn");
            QCOMPARE(sequela.Parametri.tipo, tipo);
        }
    }

    void sequelaChecksRefuseExactlyWhatTheyMust_data() {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QStringList>("segni");
        QTest::addColumn<int>("lunghezza");
        QTest::addColumn<QString>("messaggio");
        const QString corta = TFrmSequela::MessaggioLunghezza;
        const QString buchi = TFrmSequela::MessaggioContigua;
        QTest::newRow("sequela con un vuoto") << "SpeedParticolare" << QStringList{"P", "", "D"} << 3 << buchi;
        QTest::newRow("sequela di un segno") << "SpeedParticolare" << QStringList{"D"} << 1 << corta;
        QTest::newRow("sequela di due segni") << "SpeedParticolare" << QStringList{"D", "P"} << 2 << QString();
        QTest::newRow("sequela vuota") << "SpeedParticolare" << QStringList{} << 2 << QString();
        QTest::newRow("monotermine di uno") << "SpeedMonoT" << QStringList{} << 1 << corta;
        // Another kind does not look at the pattern.
        QTest::newRow("bitermine, schema con vuoti") << "SpeedBiT" << QStringList{"P", "", "D"} << 2 << QString();
    }
    void sequelaChecksRefuseExactlyWhatTheyMust() {
        QFETCH(QString, tipo);
        QFETCH(QStringList, segni);
        QFETCH(int, lunghezza);
        QFETCH(QString, messaggio);
        // Alone: moving through a group runs the same check (TestTFrmCondizione).
        ludo::TCondizioniSistema cs;
        ludo::TSequela sequela(&cs);
        const std::string prima = Record(sequela);
        auto f = Apri(sequela);
        Clic(*f, tipo.toLatin1().constData());
        ScriviSequela(*f, segni);
        C<QSpinBox>(*f, "SpinLunghezza")->setValue(lunghezza);
        RispostaMessaggio risposta;
        Clic(*f, "OKBtn");
        QTRY_COMPARE(risposta.testi.size(), messaggio.isEmpty() ? 0 : 1);
        if (messaggio.isEmpty()) return;
        QCOMPARE(risposta.testi.front(), messaggio);
        QCOMPARE(risposta.titoli.front(), QStringLiteral("Infomazione"));
        QVERIFY(f->isVisible());
        Clic(*f, "AnnullaBtn");
        QCOMPARE(Record(sequela), prima);
    }

    void beforeTheStatisticsTheSameCheckIsTitledInformazione() {
        int aperte = 0;
        ImpostaAperturaStatistiche([&aperte](const RichiestaStatistiche&, QWidget*) { ++aperte; });
        ludo::TCondizioniSistema cs;
        ludo::TSequela sequela(&cs);
        auto f = Apri(sequela);
        C<QSpinBox>(*f, "SpinLunghezza")->setValue(1);
        RispostaMessaggio risposta;
        Clic(*f, "ArchivioBtn");
        QTRY_COMPARE(risposta.testi.size(), 1);
        QCOMPARE(risposta.testi.front(), TFrmSequela::MessaggioLunghezza);
        QCOMPARE(risposta.titoli.front(), QStringLiteral("Informazione"));
        QCOMPARE(aperte, 0);
        ImpostaAperturaStatistiche({});
    }
};

QTEST_MAIN(TestEditoriSchema)
#include "TestEditoriSchema.moc"
