// The recovery window: the members and "Max" of each link, the two checks
// that keep the user on the letter, the working copy given back on "Ok"
// only, and the analysis of the columns the last development refused.
#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/engine/Sviluppo.h"
#include "ui/conditions/TFrmRecAna.h"
#include "ui/conditions/TFrmRecuperi.h"
#include "ui/controls/TGGraphpt.h"

namespace {

// "Pari e Dispari" and "Consecutività Numerica" each with a value in
// recovery at level 2 under link A: "Max" of A and of all links is 2.
void DueRecuperiInA(ludo::T_Sistema& s) {
    auto& d = *s.Dati;
    d.Pronostico = SistemaDiProva::Primi(13);
    auto& pari = static_cast<ludo::TPariDispari&>(d.Condizioni.Condizione(ludo::CodPariDispari))
                     .Tabelle[0]
                     .Prima;
    pari.Voci[3] = pari.Voci[5] = {ludo::Accettato, 0};
    pari.Voci[4] = {ludo::InRecupero, 2};
    auto& corsa = static_cast<ludo::TConsecutivitaNumerica&>(
                      d.Condizioni.Condizione(ludo::CodConsecutivitaNumerica))
                      .Tabelle[0]
                      .Prima;
    corsa.Voci[1] = corsa.Voci[2] = {ludo::Accettato, 0};
    corsa.Voci[3] = {ludo::InRecupero, 2};
}

}  // namespace

class TestTFrmRecuperi : public QObject {
    Q_OBJECT
  private slots:
    void eachTooHighCheckKeepsTheWindowOnTheLetter() {
        SistemaDiProva p;
        DueRecuperiInA(*p.sistema);
        TFrmRecuperi f(*p.sistema);
        Mostra(f);
        QCOMPARE(f.Lettera(), 'A');
        QCOMPARE(C<QListWidget>(f, "ListBoxCond")->count(), 2);
        QCOMPARE(TestoDi(f, "MaxLink"), QStringLiteral("Max : 2"));
        QCOMPARE(TestoDi(f, "MaxTotale"), QStringLiteral("Max : 2"));
        Clicca(*C<TGGraphpt>(f, "PtLink"), 3);
        {
            RispostaMessaggio ok;
            Clic(f, "LinkB");
            QCOMPARE(ok.titoli, QStringList{"Informazione"});
            QCOMPARE(ok.testi, QStringList{"Il Numero Degli Errori Nella Link è Troppo Alto !"});
        }
        QCOMPARE(f.Lettera(), 'A');
        QVERIFY(C<QToolButton>(f, "LinkA")->isChecked());
        Clic(f, "AzzeraBtn");
        Clicca(*C<TGGraphpt>(f, "PtLink"), 1);
        Clicca(*C<TGGraphpt>(f, "PtTutteLink"), 3);
        QCOMPARE(MessaggiDi([&] { Clic(f, "OkBtn"); }),
                 QStringList{"Il Numero Degli Errori Totali è Troppo Alto !"});
        QVERIFY(f.isVisible() || f.result() != QDialog::Accepted);
        QCOMPARE(f.Lettera(), 'A');
        QCOMPARE(p.d().Link.Lettera('A')->ErroriAmmessiNellaLink.Prima.Voci[1].Stato,
                 ludo::Rifiutato);

        Clic(f, "AzzeraBtn");
        Clicca(*C<TGGraphpt>(f, "PtLink"), 1);
        Clic(f, "LinkB");
        QCOMPARE(f.Lettera(), 'B');
        QCOMPARE(C<QListWidget>(f, "ListBoxCond")->count(), 0);
        QVERIFY2(p.d().Link.StessiLimiti(ludo::TInsiemeLink{}),
                 "the system keeps its limits until Ok");
        Clic(f, "OkBtn");
        QVERIFY(f.Cambiato());
        QCOMPARE(p.d().Link.Lettera('A')->ErroriAmmessiNellaLink.Prima.Voci[1].Stato,
                 ludo::Accettato);
        QVERIFY(p.sistema->Modificato);
    }

    void annullaAndAzzeraLeaveTheSystemAlone() {
        SistemaDiProva p;
        DueRecuperiInA(*p.sistema);
        p.d().Link.Lettera('A')->ErroriAmmessiNellaLink.Prima.Voci[0].Stato = ludo::Accettato;
        TFrmRecuperi f(*p.sistema);
        Mostra(f);
        Clic(f, "AzzeraBtn");
        Clic(f, "LinkC");
        Clic(f, "AnnullaBtn");
        QCOMPARE(p.d().Link.Lettera('A')->ErroriAmmessiNellaLink.Prima.Voci[0].Stato,
                 ludo::Accettato);
        QVERIFY(!p.sistema->Modificato);
    }

    void theAnalysisShowsTheRefusalsOfTheLastDevelopment() {
        SistemaDiProva p;
        DueRecuperiInA(*p.sistema);
        auto& ammessi = p.d().Link.Lettera('A')->ErroriAmmessiNellaLink.Prima;
        ammessi.Voci[0] = ammessi.Voci[1] = {ludo::Accettato, 0};
        ludo::InterfacciaSviluppo nessunaFinestra;
        ludo::Sviluppa(*p.sistema, nessunaFinestra);
        const auto& link = *p.d().Link.Lettera('A');
        const int rifiutate = link.RifiutiErrori.Frequenza(2);
        QVERIFY(rifiutate > 0);
        TFrmRecAna f(p.d().Link, 'A');
        Mostra(f);
        auto* errori = C<QTableWidget>(f, "GrigliaErroriLink");
        QCOMPARE(errori->item(2, 1)->text(), QString::number(rifiutate));
        QCOMPARE(C<QTableWidget>(f, "GrigliaLivelli")->item(0, 0)->text(), QStringLiteral("1"));
        Clic(f, "PercentualeBtn");
        QCOMPARE(errori->item(2, 1)->text(), QStringLiteral("100,00 %"));
        Clic(f, "ValoriBtn");
        QCOMPARE(errori->item(2, 1)->text(), QString::number(rifiutate));
    }
};

QTEST_MAIN(TestTFrmRecuperi)
#include "TestTFrmRecuperi.moc"
