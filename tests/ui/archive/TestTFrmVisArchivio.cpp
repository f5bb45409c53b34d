#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "ArchivioDiProva.h"
#include "ui/archive/ModelloVistaArchivio.h"
#include "ui/archive/TFrmStampaArchivio.h"
#include "ui/archive/TFrmVisArchivio.h"

namespace {

constexpr int Concorsi = 1000;

// 1,000 contests over 34 seasons, each winning column a different walk
// over the numbers, so that neighbouring rows differ.
ludo::ArchivioConcorsi Archivio() {
    ludo::ArchivioConcorsi a;
    for (int i = 0; i < Concorsi; ++i) {
        ludo::Colonna vincente = 0;
        for (int k = 0; std::popcount(vincente) < 8; ++k)
            vincente |= ludo::Colonna{1} << ((i * 7 + k * (i % 5 + 3)) % 32);
        a.InserisciOrdinato({static_cast<std::uint16_t>(1990 + i / 30),
                             static_cast<std::uint8_t>(i % 30 + 1), ludo::SerieA, vincente});
    }
    return a;
}

QTableView& Griglia(const QWidget& f, const char* nome) { return *C<QTableView>(f, nome); }

// The texts of a row as the two tables show it, fixed columns first.
QStringList Riga(const QWidget& f, int riga) {
    QStringList testi;
    for (const char* nome : {"GridFisse", "GridValori"}) {
        const QTableView& g = Griglia(f, nome);
        for (int c = 0; c < g.model()->columnCount(); ++c) {
            if (!g.isColumnHidden(c)) testi << g.model()->index(riga, c).data().toString();
        }
    }
    return testi;
}

QStringList Attesa(const ludo::ArchivioConcorsi& a, int riga, const ludo::FamiglieVista& famiglie) {
    const ludo::RigaVista r = ludo::RigaVistaArchivio(a, static_cast<std::size_t>(riga), famiglie);
    QStringList testi{QString::fromStdString(r.Anno), QString::fromStdString(r.Numero),
                      QString::fromStdString(r.Tipo), QString::fromStdString(r.Colonna)};
    for (const int v : r.Valori) testi << QString::number(v);
    return testi;
}

ludo::FamiglieVista Tutte() {
    ludo::FamiglieVista f;
    f.fill(true);
    return f;
}

}  // namespace

class TestTFrmVisArchivio : public QObject {
    Q_OBJECT
  private slots:
    // Both tables move together; the row at the top is the contest at the
    // bar's position, with the values the core computes for it. "Stampa"
    // opens the archive print.
    void theRowsInSightAreTheContestsAtTheScrollBar() {
        const auto archivio = Archivio();
        TFrmVisArchivio f(archivio);
        Mostra(f);
        QScrollBar& barra = *Griglia(f, "GridValori").verticalScrollBar();
        // The latest contests come first into sight.
        QCOMPARE(Griglia(f, "GridValori").rowAt(0), Concorsi - TFrmVisArchivio::RigheVisibili);

        QTest::keyClick(&barra, Qt::Key_Home);
        QCOMPARE(Griglia(f, "GridFisse").verticalScrollBar()->value(), 0);
        barra.setValue(617);
        for (const char* nome : {"GridFisse", "GridValori"})
            QCOMPARE(Griglia(f, nome).rowAt(0), 617);
        QCOMPARE(Riga(f, 617), Attesa(archivio, 617, Tutte()));

        // Across, only the values move: the contest stays in sight.
        QScrollBar& attraverso = *Griglia(f, "GridValori").horizontalScrollBar();
        attraverso.setValue(attraverso.maximum());
        QCOMPARE(Griglia(f, "GridFisse").columnAt(0), 0);
        QVERIFY(Griglia(f, "GridValori").columnAt(0) > ModelloVistaArchivio::ColonneFisse + 10);

        QVERIFY(SiApre<TFrmStampaArchivio>([&] { Clic(f, "BStampa"); }));
        QVERIFY(f.isVisible());
        Clic(f, "OKBtn");
        QVERIFY(!f.isVisible());
    }

    // The contest columns in one tint, each family in the other tint from
    // its neighbours, both groups of a family alike. Unticking every box
    // leaves the contest columns; ticking one shows its values only, at the
    // same place of the archive.
    void theBoxesChooseTheFamiliesShownInTheirTints() {
        const auto archivio = Archivio();
        TFrmVisArchivio f(archivio);
        f.show();
        const auto tinta = [&f](int colonna) {
            return f.Modello().index(3, colonna).data(Qt::BackgroundRole).value<QColor>();
        };
        QCOMPARE(tinta(0), tinta(3));
        // Somme (3), Num. di Sequenze (4), then the two groups of Interruzioni.
        const int somme = 4, sequenze = 7, cs = 11, interruzioni = 12, secondoGruppo = 16;
        QVERIFY(tinta(somme) != tinta(0));
        QVERIFY(tinta(somme) != tinta(sequenze));
        QVERIFY(tinta(sequenze) != tinta(cs));
        QCOMPARE(tinta(interruzioni), tinta(secondoGruppo));
        QVERIFY(tinta(cs) != tinta(interruzioni));

        Griglia(f, "GridValori").verticalScrollBar()->setValue(40);
        for (QCheckBox* b : f.findChildren<QCheckBox*>()) {
            if (b->isChecked()) Clic(f, b->objectName().toLatin1().constData());
        }
        QCOMPARE(f.Modello().columnCount(), ModelloVistaArchivio::ColonneFisse);
        QCOMPARE(Riga(f, 40), Attesa(archivio, 40, ludo::FamiglieVista{}));
        Clic(f, "CBRipetizioni");
        ludo::FamiglieVista ripetizioni{};
        ripetizioni[static_cast<std::size_t>(ludo::FamigliaVista::Ripetizioni)] = true;
        QCOMPARE(Riga(f, 40), Attesa(archivio, 40, ripetizioni));
        QCOMPARE(Griglia(f, "GridValori").rowAt(0), 40);
        QCOMPARE(Griglia(f, "GridValori").model()->headerData(5, Qt::Horizontal).toString(),
                 QStringLiteral("Cs"));
    }
};

QTEST_MAIN(TestTFrmVisArchivio)
#include "TestTFrmVisArchivio.moc"
