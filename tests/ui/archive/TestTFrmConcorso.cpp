#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "ArchivioDiProva.h"
#include "core/archive/RegoleIntervallo.h"
#include "ui/archive/TFrmConcorso.h"
#include "ui/controls/TGSpinEdit.h"

namespace {

ludo::ArchivioConcorsi Archivio() {
    ludo::ArchivioConcorsi a;
    a.InserisciOrdinato(Concorso(2024, 5, ludo::SerieB, {1, 2, 3, 4, 5, 6, 7, 8}));
    a.InserisciOrdinato(Concorso(2024, 7, ludo::SerieA, {9, 10, 11, 12, 13, 14, 15, 16}));
    return a;
}

// Presses OK and returns the messages shown.
QStringList Conferma(TFrmConcorso& f) {
    return MessaggiDi([&] { Clic(f, "OKBtn"); });
}

QStringList Messaggio(const char* testo) { return {QString::fromUtf8(testo)}; }

}  // namespace

class TestTFrmConcorso : public QObject {
    Q_OBJECT
  private slots:
    // Each check shows its message, keeps the dialog open and changes nothing.
    void aNewContestIsCheckedBeforeItIsConfirmed() {
        const auto archivio = Archivio();
        const auto proposto = ludo::ConcorsoDaAggiungere(archivio);
        TFrmConcorso f(archivio, proposto, true);
        f.show();
        auto& anno = *C<TGSpinEdit>(f, "SEAnno");
        QCOMPARE(anno.value(), 2025);
        QCOMPARE(TestoDi(f, "LabelPrimoAnno"), QStringLiteral("2024"));
        QCOMPARE(C<TGSpinEdit>(f, "SEConcorso")->value(), 8);
        QVERIFY(C<QRadioButton>(f, "RBSerieA")->isChecked());

        QCOMPARE(Conferma(f), Messaggio(ludo::MsgQuantitaNumeri));
        ClicNumeri(f, Numeri({1, 3, 5, 7, 9, 11, 17, 32}), "Pronostico1", "Pronostico2");

        C<TGSpinEdit>(f, "SEConcorso")->setValue(5);
        // Contest 5 of that season stands, of another type.
        QCOMPARE(Conferma(f), Messaggio(ludo::MsgConcorsoPresente));

        Digita(&anno, QStringLiteral("1975"));
        QCOMPARE(TestoDi(f, "LabelPrimoAnno"), QStringLiteral("1974"));
        QCOMPARE(Conferma(f), Messaggio(ludo::MsgStagioneNonValida));
        // The arrows go over the seasons 1979/1980 .. 2098/2099 and the numbers 1..99.
        anno.stepUp();
        QCOMPARE(anno.value(), 1980);
        anno.stepDown();
        QCOMPARE(anno.value(), 1980);
        anno.setValue(2099);
        anno.stepUp();
        QCOMPARE(anno.value(), 2099);
        auto& numero = *C<TGSpinEdit>(f, "SEConcorso");
        numero.setValue(99);
        numero.stepUp();
        QCOMPARE(numero.value(), 99);
        Digita(&numero, QStringLiteral("120"));
        Digita(&anno, QStringLiteral("2026"));
        QCOMPARE(Conferma(f), Messaggio(ludo::MsgNumeroConcorsoNonValido));
        QVERIFY(f.isVisible());
        QCOMPARE(f.Concorso(), proposto);

        Digita(&numero, QStringLiteral("5"));
        Clic(f, "RBSerieC");
        QVERIFY(Conferma(f).isEmpty());
        QCOMPARE(f.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(f.Concorso(), Concorso(2025, 5, ludo::SerieC, {1, 3, 5, 7, 9, 11, 17, 32}));
    }
};

QTEST_MAIN(TestTFrmConcorso)
#include "TestTFrmConcorso.moc"
