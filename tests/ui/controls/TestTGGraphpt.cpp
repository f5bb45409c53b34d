#include <QtTest>
#include <QtWidgets>

#include "ControlliDiProva.h"
#include "ui/controls/TGGraphpt.h"

namespace {

void Premi(TGGraphpt& g, const QString& nome) {
    auto* pulsante = g.findChild<QToolButton*>(nome);
    QVERIFY2(pulsante != nullptr && pulsante->isVisible(), qPrintable(nome));
    QTest::mouseClick(pulsante, Qt::LeftButton);
}

ludo::TMisura Salvata(const TGGraphpt& g) {
    ludo::TMisura misura(24, true);
    g.SalvaMisura(misura);
    return misura;
}

}  // namespace

class TestTGGraphpt : public QObject {
    Q_OBJECT
private slots:
    void init() {
        g_ = std::make_unique<TGGraphpt>();
        g_->setTitolo(QStringLiteral("Punti"));
        g_->setPtTotali(9);
        g_->setPtVisibili(9);
        g_->resize(g_->sizeHint());
        Mostra(*g_);
    }
    void cleanup() { g_.reset(); }

    // Left clicks cycle accepted, in recovery (when shown), refused; the
    // other buttons do nothing.
    void clicksCycleThroughRecoveryWhenItIsShown() {
        const auto tre = {ludo::Accettato, ludo::InRecupero, ludo::Rifiutato};
        const auto due = {ludo::Accettato, ludo::Rifiutato, ludo::Accettato};
        for (const bool recupero : {true, false}) {
            init();
            g_->setRecVisibili(recupero);
            QCOMPARE(g_->findChild<QToolButton*>(QStringLiteral("Su0"))->isVisible(), recupero);
            QSignalSpy cambi(g_.get(), &TGGraphpt::Cambiato);
            Clicca(*g_, 2, Qt::RightButton);
            Clicca(*g_, 2, Qt::MiddleButton);
            QCOMPARE(Salvata(*g_).Prima.Voce(2).Stato, ludo::Rifiutato);
            QVERIFY(!g_->Modificato());
            for (const std::uint8_t atteso : recupero ? tre : due) {
                Clicca(*g_, 3);
                QCOMPARE(Salvata(*g_).Prima.Voce(3).Stato, atteso);
            }
            QCOMPARE(cambi.count(), 3);
            QVERIFY(g_->Modificato());
        }
    }

    void levelsRunFromOneTo99AndOnlyMoveInRecovery() {
        ludo::TMisura misura(8, false);
        misura.Prima.Voci[1] = {ludo::InRecupero, 99};
        misura.Prima.Voci[2] = {ludo::Accettato, 5};
        misura.Prima.Voci[4] = {ludo::InRecupero, 0};
        g_->CaricaMisura(misura);
        QCOMPARE(Salvata(*g_).Prima.Voce(4).Livello, 1);  // level 0 is shown as 1
        // Already at the lowest level: down changes nothing.
        QSignalSpy cambi(g_.get(), &TGGraphpt::Cambiato);
        Premi(*g_, QStringLiteral("Giu4"));
        QCOMPARE(Salvata(*g_).Prima.Voce(4).Livello, 1);
        QCOMPARE(cambi.count(), 0);
        Premi(*g_, QStringLiteral("Su4"));
        QCOMPARE(Salvata(*g_).Prima.Voce(4).Livello, 2);
        QCOMPARE(cambi.count(), 1);
        Premi(*g_, QStringLiteral("Su1"));
        QCOMPARE(Salvata(*g_).Prima.Voce(1).Livello, 99);
        Premi(*g_, QStringLiteral("Giu1"));
        QCOMPARE(Salvata(*g_).Prima.Voce(1).Livello, 98);
        Premi(*g_, QStringLiteral("Su2"));
        QCOMPARE(Salvata(*g_).Prima.Voce(2).Livello, 5);
    }

    void scrollingStaysWithinTheValues() {
        g_->setPtTotali(25);
        g_->setPtVisibili(8);
        g_->resize(g_->sizeHint());
        QCOMPARE(g_->PrimoVisibile(), 0);
        QVERIFY(g_->RettangoloValore(8).isEmpty());
        Premi(*g_, QStringLiteral("Sinistra"));
        QCOMPARE(g_->PrimoVisibile(), 0);
        for (int i = 0; i < 20; ++i) Premi(*g_, QStringLiteral("Destra"));
        QCOMPARE(g_->PrimoVisibile(), 17);
        // The boxes now stand for values 17..24; the level arrows follow.
        Clicca(*g_, 24);
        Clicca(*g_, 24);
        Premi(*g_, QStringLiteral("Su7"));
        QCOMPARE(Salvata(*g_).Prima.Voce(24), (ludo::VoceMisura{ludo::InRecupero, 2}));
        // Loading scrolls back to the first value.
        g_->CaricaMisura(ludo::TMisura(24, false));
        QCOMPARE(g_->PrimoVisibile(), 0);
    }

    void eachTableHasItsPageAndLink() {
        g_->setTipoCons(true);
        g_->setTipoCampo(true);
        ludo::TMisura misura(8, true);
        misura.Prima.Link = 'C';
        misura.Seconda.Link = 'F';
        misura.Seconda.Campo = 4;
        misura.Da = 3;
        misura.A = 20;
        g_->CaricaMisura(misura);
        auto* link = g_->findChild<QComboBox*>(QStringLiteral("Link"));
        QCOMPARE(link->currentText(), QStringLiteral("C"));

        Premi(*g_, QStringLiteral("BtnCon"));
        QCOMPARE(link->currentText(), QStringLiteral("F"));
        Clicca(*g_, 0);
        QTest::keyClick(link, Qt::Key_Z);

        Premi(*g_, QStringLiteral("BtnTra"));
        auto* tra = g_->findChild<QSpinBox*>(QStringLiteral("Tra"));
        QVERIFY(tra->isVisible());
        QCOMPARE(tra->value(), 4);
        tra->setValue(7);
        // Nothing acts on the group page.
        QVERIFY(g_->RettangoloValore(1).isEmpty());
        QTest::mouseClick(g_.get(), Qt::LeftButton, {}, QPoint(g_->width() / 2, g_->YBoxPt() + 5));

        const ludo::TMisura s = Salvata(*g_);
        QVERIFY(std::tuple(s.Prima.Link, s.Prima.Voce(0).Stato, s.Seconda.Link, s.Seconda.Voce(0).Stato,
                           s.Seconda.Campo, s.Da, s.A) ==
                std::tuple('C', ludo::Rifiutato, 'Z', ludo::Accettato, 7, 3, 20));
    }

    // A link outside the letters is shown as none and stored as 'A'.
    void loadingKeepsEveryEntry() {
        ludo::TMisura misura(24, true);
        misura.Seconda.Voci[24] = {ludo::InRecupero, 12};
        misura.Prima.Link = '\0';
        g_->CaricaMisura(misura);
        QVERIFY(!g_->Modificato());
        QCOMPARE(g_->findChild<QComboBox*>(QStringLiteral("Link"))->currentIndex(), -1);
        const ludo::TMisura salvata = Salvata(*g_);
        QCOMPARE(salvata.Seconda.Voce(24), (ludo::VoceMisura{ludo::InRecupero, 12}));
        QCOMPARE(salvata.Prima.Link, 'A');
    }

    void theKeyboardDoesWhatTheMouseDoes() {
        g_->setPtTotali(25);
        g_->setPtVisibili(8);
        g_->resize(g_->sizeHint());
        g_->setFocus();
        QCOMPARE(g_->ValoreCorrente(), 0);
        QTest::keyClick(g_.get(), Qt::Key_Left);
        QCOMPARE(g_->ValoreCorrente(), 0);
        for (int i = 0; i < 10; ++i) QTest::keyClick(g_.get(), Qt::Key_Right);
        QCOMPARE(g_->ValoreCorrente(), 10);
        QCOMPARE(g_->PrimoVisibile(), 3);  // the current value is scrolled into view
        QSignalSpy cambi(g_.get(), &TGGraphpt::Cambiato);
        QTest::keyClick(g_.get(), Qt::Key_Space);
        QTest::keyClick(g_.get(), Qt::Key_Space);
        QTest::keyClick(g_.get(), Qt::Key_Up);
        QTest::keyClick(g_.get(), Qt::Key_Up);
        QTest::keyClick(g_.get(), Qt::Key_Down);
        QCOMPARE(Salvata(*g_).Prima.Voce(10), (ludo::VoceMisura{ludo::InRecupero, 2}));
        QCOMPARE(cambi.count(), 5);
        QTest::keyClick(g_.get(), Qt::Key_End);
        QCOMPARE(g_->ValoreCorrente(), 24);
        QCOMPARE(g_->PrimoVisibile(), 17);
        QTest::keyClick(g_.get(), Qt::Key_Home);
        QCOMPARE(g_->PrimoVisibile(), 0);
        // Scrolled away with the arrows, the current value comes back into
        // view when the keyboard acts on it.
        for (int i = 0; i < 5; ++i) Premi(*g_, QStringLiteral("Destra"));
        QTest::keyClick(g_.get(), Qt::Key_Space);
        QCOMPARE(g_->PrimoVisibile(), 0);
        QCOMPARE(Salvata(*g_).Prima.Voce(0).Stato, ludo::Accettato);
        // A click makes its value the current one.
        Clicca(*g_, 6);
        QCOMPARE(g_->ValoreCorrente(), 6);
    }

private:
    std::unique_ptr<TGGraphpt> g_;
};

QTEST_MAIN(TestTGGraphpt)
#include "TestTGGraphpt.moc"
