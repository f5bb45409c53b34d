#include <QtTest>
#include <QtWidgets>
#include <algorithm>

#include "RispostaMessaggio.h"
#include "ui/controls/TFrmMessage.h"

namespace {

// Seven pixels a character: the wrap can be worked out by hand.
int SettePixel(const QString& parola) { return 7 * static_cast<int>(parola.size()); }

QList<QPushButton*> PulsantiDaSinistra(const TFrmMessage& box) {
    QList<QPushButton*> pulsanti = box.findChildren<QPushButton*>();
    std::sort(pulsanti.begin(), pulsanti.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    return pulsanti;
}

}  // namespace

class TestTFrmMessage : public QObject {
    Q_OBJECT
private slots:
  void buttonsStandInTheirFixedOrderAndAreSpacedEvenly() {
      const QList<std::pair<int, QList<int>>> ordini = {
          {1, {1}}, {6, {2, 4}}, {9, {1, 8}}, {14, {2, 4, 8}}, {15, {2, 1, 4, 8}}, {0, {}}};
      for (const auto& [flags, ordine] : ordini)
          QCOMPARE(TFrmMessage::PulsantiVisibili(flags), ordine);
      // W = 400, w = 75: gap (400 - k*75) / (k+1).
      const QList<QList<int>> posizioni = {{162}, {83, 241}, {43, 161, 279}, {20, 115, 210, 305}};
      for (int k = 1; k <= 4; ++k)
          QCOMPARE(TFrmMessage::PosizioniPulsanti(400, 75, k), posizioni[k - 1]);
  }

    void theBoxPlacesItsButtonsAsComputed() {
        const QStringList nomi{QStringLiteral("Si"), QStringLiteral("OK"), QStringLiteral("No"), QStringLiteral("Annulla")};
        for (int k = 1; k <= 4; ++k) {
            int flags = 0;
            for (int i = 0; i < k; ++i) flags |= TFrmMessage::PulsantiVisibili(15)[i];
            TFrmMessage box(QStringLiteral("Conferma"), QStringLiteral("Testo"), flags);
            const QList<QPushButton*> pulsanti = PulsantiDaSinistra(box);
            QCOMPARE(pulsanti.size(), k);
            const QList<int> attese = TFrmMessage::PosizioniPulsanti(box.width(), TFrmMessage::LarghezzaPulsante, k);
            for (int i = 0; i < k; ++i) {
                QCOMPARE(pulsanti[i]->objectName(), nomi[i]);
                QCOMPARE(pulsanti[i]->text(), nomi[i]);
                QCOMPARE(pulsanti[i]->x(), attese[i]);
                QVERIFY(pulsanti[i]->geometry().bottom() < box.height());
            }
        }
    }

    void wrapEdgeCases() {
        const QList<std::tuple<QString, int, QStringList>> casi = {
            // A word exactly reaching the limit stays; one pixel more moves on.
            {"abc defg", 56, {"abc defg"}},
            {"abc defgh", 56, {"abc ", "defgh"}},
            // A word longer than a line has a line of its own.
            {"Impossibile Sovrascrivere", 50, {"Impossibile ", "Sovrascrivere"}},
            // A line feed always breaks; an empty text is one empty line.
            {"Cartella:\n/dati", 500, {"Cartella:", "/dati"}},
            {QString(), 500, {QString()}}};
        for (const auto& [testo, larghezza, righe] : casi)
            QCOMPARE(TFrmMessage::RigheTesto(testo, SettePixel, 0, larghezza), righe);
    }

    void theBoxDrawsItsTextInsideTheMargins() {
        const QString testo = QStringLiteral(
            "Il Sistema non è Stato Salvato. Vuoi Salvarlo ? Tutte le modifiche fatte alle condizioni, al pronostico "
            "e alle colonne andranno altrimenti perdute.");
        TFrmMessage box(QStringLiteral("Informazione"), testo, TFrmMessage::Si | TFrmMessage::No);
        const QStringList righe = box.Righe();
        QVERIFY(righe.size() >= 2);
        QCOMPARE(righe.join(QString()), testo);
        const int xTesto = TFrmMessage::MargineIcona + TFrmMessage::LatoIcona + TFrmMessage::DistanzaTesto;
        for (const QString& riga : righe)
            QVERIFY(xTesto + box.fontMetrics().horizontalAdvance(riga.trimmed()) <= box.width() - 10);
        const int fineTesto = TFrmMessage::AltoTesto + static_cast<int>(righe.size()) * box.fontMetrics().height();
        for (auto* pulsante : box.findChildren<QPushButton*>()) QVERIFY(pulsante->y() > fineTesto);
    }

    void theBoxIsModalOnTopAndCentred() {
        TFrmMessage box(QStringLiteral("Informazione"), QStringLiteral("Fatto."), TFrmMessage::OK);
        QVERIFY(box.isModal());
        QVERIFY(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        const QPoint centro = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((box.frameGeometry().center() - centro).manhattanLength() <= 2);
    }

    void returnsTheFlagOfTheButtonPressed() {
        {
            RispostaMessaggio risposta(QStringLiteral("No"));
            QCOMPARE(Conferma(QStringLiteral("Vuoi Cancellare /dati/a.LDS?"),
                              TFrmMessage::Si | TFrmMessage::No | TFrmMessage::Annulla),
                     int(TFrmMessage::No));
            QCOMPARE(risposta.titoli, QStringList{"Conferma"});
            QCOMPARE(risposta.testi, QStringList{"Vuoi Cancellare /dati/a.LDS?"});
        }
        RispostaMessaggio ok;
        QCOMPARE(Informazione(QStringLiteral("Impossibile Salvare il Sistema")), int(TFrmMessage::OK));
        QCOMPARE(ok.titoli, QStringList{"Informazione"});
    }

    void escapeAnswersAnnullaThenNo() {
        for (const int annulla : {int(TFrmMessage::Annulla), 0}) {
            TFrmMessage box(QStringLiteral("Conferma"), QStringLiteral("?"), TFrmMessage::Si | TFrmMessage::No | annulla);
            box.show();
            QTest::keyClick(&box, Qt::Key_Escape);
            QCOMPARE(box.result(), annulla != 0 ? annulla : int(TFrmMessage::No));
            QVERIFY(!box.isVisible());
        }

        // "Si" alone must be pressed: neither Escape nor closing answers it.
        TFrmMessage solo(QStringLiteral("Informazione"), QStringLiteral("!"), TFrmMessage::Si);
        solo.show();
        QTest::keyClick(&solo, Qt::Key_Escape);
        QVERIFY(!solo.close());
        QVERIFY(solo.isVisible());
        QTest::mouseClick(solo.findChild<QPushButton*>(QStringLiteral("Si")), Qt::LeftButton);
        QCOMPARE(solo.result(), int(TFrmMessage::Si));
    }
};

QTEST_MAIN(TestTFrmMessage)
#include "TestTFrmMessage.moc"
