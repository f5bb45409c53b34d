// The number statistics reached from the main window on the demo archive:
// "Archivio" shows ludomatic-cli numeri, "Analisi" counts the columns in
// memory, and the statistical forecast fills the main window's forecast as
// ludomatic-cli pronostico-statistico fills the system's.
#include <QtCharts>
#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "../system/PrincipaleDiProva.h"
#include "DemoDiProva.h"
#include "core/columns/ListaColonne.h"
#include "ui/controls/TPronosticoF.h"
#include "ui/statistics/GraficoAnalisi.h"
#include "ui/statistics/TFrmFrequenzaNumeri.h"
#include "ui/statistics/TFrmPronosticoStatistico.h"
#include "ui/statistics/TFrmStoricoNumeri.h"

namespace {

ludo::Colonna NumeriDi(const QJsonArray& numeri) {
    ludo::Colonna c = 0;
    for (const auto& n : numeri) c |= ludo::Colonna{1} << (n.toInt() - 1);
    return c;
}

// The demo system in its program folder under the main window.
struct Principale {
    Principale() {
        finestra = FinestraPrincipale(*demo.sistema);
        finestra->ImpostaTutto();
    }
    ~Principale() { demo.sistema->Modificato = false; }
    Principale(const Principale&) = delete;
    Principale& operator=(const Principale&) = delete;

    DemoDiProva demo;
    std::unique_ptr<TFormPrincipa> finestra;
};

}  // namespace

class TestStatisticheNumeri : public QObject {
    Q_OBJECT

  private slots:
    // "Analisi" then counts the columns in memory as shares or counts.
    void archivioShowsTheCliRecordOfEveryNumberAndAnalisiCountsTheColumns() {
        Principale p;
        const QJsonArray numeri = p.demo.Json({"numeri"})["numeri"].toArray();
        std::vector<QStringList> righe;
        QList<qreal> frequenze;
        QuandoSiApre<TFrmStoricoNumeri>([&](TFrmStoricoNumeri& f) {
            for (const char* nome : {"Tabella1", "Tabella2"}) {
                for (int r = 0; r < 16; ++r) righe.push_back(RigaDi(*C<QTableWidget>(f, nome), r));
            }
            const QBarSet* s = C<GraficoAnalisi>(f, "Grafico")->Barre()->barSets().at(0);
            for (int i = 0; i < s->count(); ++i) frequenze << s->at(i);
            Clic(f, "ChiudiBtn");
        });
        Clic(*p.finestra, "Archivio");
        QCOMPARE(righe.size(), std::size_t{32});
        for (int n = 1; n <= 32; ++n) {
            const QJsonObject j = numeri[n - 1].toObject();
            auto intero = [&](const char* campo) {
                return QString::number(j[QLatin1String(campo)].toInt());
            };
            QCOMPARE(righe[static_cast<std::size_t>(n - 1)],
                     (QStringList{QStringLiteral(" %1").arg(n), intero("frequenza"),
                                  intero("ritardo_attuale"), intero("ritardo_massimo"),
                                  j["ic"].toString(), intero("frequenza_annuale"),
                                  intero("consecutivi_attuali"), intero("consecutivi_massimi")}));
            if (n <= 16) QCOMPARE(frequenze[n - 1], j["frequenza"].toDouble());
        }

        auto& colonne = p.demo.d().Colonne;
        colonne.Svuota();
        colonne.Aggiungi(SistemaDiProva::Primi(8));
        colonne.Aggiungi(SistemaDiProva::Primi(4) | (SistemaDiProva::Primi(8) << 8));
        p.finestra->ImpostaTutto();
        QStringList visto;
        QuandoSiApre<TFrmFrequenzaNumeri>([&](TFrmFrequenzaNumeri& f) {
            const auto* t1 = C<QTableWidget>(f, "Tabella1");
            const auto* t2 = C<QTableWidget>(f, "Tabella2");
            visto << t1->item(0, 1)->text() << t1->item(8, 1)->text() << t2->item(3, 1)->text();
            Clic(f, "ValoriBtn");
            visto << t1->item(0, 0)->text() << t1->item(0, 1)->text() << t1->item(8, 1)->text()
                  << t2->item(3, 1)->text();
            Clic(f, "ChiudiBtn");
        });
        Clic(*p.finestra, "Analisi");
        QCOMPARE(visto, (QStringList{"100.00 ", "50.00 ", "0.00 ", "   1", "2 ", "1 ", "0 "}));
        colonne.Svuota();
        p.finestra->ImpostaTutto();
        QVERIFY(!C<QWidget>(*p.finestra, "Analisi")->isEnabled());
    }

    void theForecastIsFilledAsTheCliFillsItAndTheChoicesStay() {
        Principale p;
        const QJsonObject cli = p.demo.Json(
            {"pronostico-statistico", p.demo.FileSistema().string(), "--partite", "5", "--azzera"});
        QuandoSiApre<TFrmPronosticoStatistico>([](TFrmPronosticoStatistico& f) {
            C<QSpinBox>(f, "Partite")->setValue(5);
            Clic(f, "Azzera");
            Clic(f, "OKBtn");
        });
        p.finestra->Comando(QStringLiteral("PronosticoStatistico"))->trigger();
        const ludo::Colonna atteso = NumeriDi(cli["pronostico"].toArray());
        QCOMPARE(std::popcount(atteso), 5);
        QCOMPARE(p.demo.d().Pronostico, atteso);
        const ludo::Colonna mostrato = C<TPronosticoF>(*p.finestra, "Pronostico1")->Colonna() |
                                       C<TPronosticoF>(*p.finestra, "Pronostico2")->Colonna();
        QCOMPARE(mostrato, atteso);
        QVERIFY(p.demo.sistema->Modificato);

        // Opened again, it offers the same choices; "Annulla" changes nothing.
        int partite = 0;
        bool azzera = false;
        QuandoSiApre<TFrmPronosticoStatistico>([&](TFrmPronosticoStatistico& f) {
            partite = C<QSpinBox>(f, "Partite")->value();
            azzera = C<QCheckBox>(f, "Azzera")->isChecked();
            Clic(f, "AnnullaBtn");
        });
        p.finestra->Comando(QStringLiteral("PronosticoStatistico"))->trigger();
        QCOMPARE(partite, 5);
        QVERIFY(azzera);
        QCOMPARE(p.demo.d().Pronostico, atteso);
    }
};

QTEST_MAIN(TestStatisticheNumeri)
#include "TestStatisticheNumeri.moc"
