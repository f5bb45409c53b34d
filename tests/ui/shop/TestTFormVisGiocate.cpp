// "Riepilogo delle giocate": the contest's counts and volume, the list of
// reduced systems, the contest selector, the printout and the check hook.
#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "../printing/PagineDiProva.h"
#include "ui/controls/FormatoLocale.h"
#include "ui/shop/TFormVisGiocate.h"

namespace {

void Registra(const SistemaDiProva& p, int concorso, int sistemi) {
    ludo::TArchivioGiocate a(concorso);
    a.AggiungiSchedina({0xFFU, 0x1FFU, 0, 0, 0, 0});
    ludo::ListaColonne colonne;
    for (int i = 0; i < 5; ++i) colonne.Aggiungi(0xFFU << i);
    for (int i = 0; i < sistemi; ++i) a.AggiungiSistema(12, colonne, {46363, 0.5});
    a.Salva(p.Cartella());
}

QString Cella(const TFormVisGiocate& f, const char* tabella, int r, int c) {
    return C<QTableWidget>(f, tabella)->item(r, c)->text();
}

}  // namespace

class TestTFormVisGiocate : public QObject {
    Q_OBJECT
  private slots:
    void showsTheContestAndTheOneChosen() {
        SistemaDiProva p;
        p.d().Coupon.Concorso = 98;
        p.d().Config.PrezzoLire = 800;
        Registra(p, 98, 9);
        TFormVisGiocate f(*p.sistema);
        f.show();
        QCOMPARE(Cella(f, "GrigliaRiepilogo", 2, 1), QStringLiteral("9"));
        // 1 + 9 + 45 columns
        QCOMPARE(Cella(f, "GrigliaRiepilogo", 3, 1),
                 QString::fromStdString(ludo::TestoValuta(44000, false, FormatoNumeriLocale())));
        QCOMPARE(C<QTableWidget>(f, "GrigliaSistemi")->rowCount(), 9);
        QCOMPARE(Cella(f, "GrigliaSistemi", 8, 2), QStringLiteral("07/12/2026"));
        QTest::keyClick(C<QSpinBox>(f, "SEConcorso"), Qt::Key_Up);
        QCOMPARE(f.Archivio().Concorso, 99);
        QCOMPARE(C<QTableWidget>(f, "GrigliaSistemi")->rowCount(), 0);
    }

    void openingAContestWithoutPlaysSaysSo() {
        SistemaDiProva p;
        p.d().Coupon.Concorso = 4;
        RispostaMessaggio risposta;
        TFormVisGiocate f(*p.sistema);
        f.show();
        QTRY_COMPARE(risposta.testi.size(), 1);
        QVERIFY(risposta.testi.front().contains(QStringLiteral("Concorso Nº 4")));
    }

    void printsTheSummaryThenTheSystemsFortyFiveAPageAndSpoglioCallsTheHook() {
        SistemaDiProva p;
        Registra(p, 1, 50);
        StampaSuImmagini stampa(100, QSizeF(210, 297));
        TFormVisGiocate f(*p.sistema);
        f.show();
        QTest::keyClick(C<QSpinBox>(f, "SEConcorso"), Qt::Key_Return);
        QCOMPARE(stampa.Pagine().size(), std::size_t{3});
        // The general table's frame at 40 mm from the left, 30 mm from the top.
        QVERIFY(LineaA(stampa.Pagine()[0], 41, 30, 100));
        SuperficieSostitutiva = []() -> SuperficieStampa* { throw std::runtime_error("guasta"); };
        RispostaMessaggio risposta;
        Clic(f, "StampaBtn");
        SuperficieSostitutiva = nullptr;
        QCOMPARE(risposta.testi, QStringList{"Impossibile stampare i dati"});

        // "Spoglio" waits for the check hook, then checks the contest shown.
        QVERIFY(!C<QPushButton>(f, "SpoglioBtn")->isEnabled());
        int chiesto = 0;
        f.ImpostaSpoglio([&](ludo::TArchivioGiocate& g) { chiesto = g.Concorso; });
        Clic(f, "SpoglioBtn");
        QCOMPARE(chiesto, 1);
    }
};

QTEST_MAIN(TestTFormVisGiocate)
#include "TestTFormVisGiocate.moc"
