#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "PagineDiProva.h"
#include "core/columns/ListaColonne.h"
#include "ui/printing/TFormStampaProspetto.h"

namespace {

constexpr int Dpi = 100;

}  // namespace

class TestTFormStampaProspetto : public QObject {
    Q_OBJECT
  private slots:
    // Three participants with names: three documents, each titled with its
    // participant (the titles differ, so their pictures do).
    void oneCopyPerParticipantWithItsName() {
        SistemaDiProva p;
        p.d().Pronostico = SistemaDiProva::Primi(10);
        p.sistema->NumeroPartecipanti = 3;
        p.sistema->NomiPartecipanti = {"Anna", "Bruno", "Carla"};
        StampaSuImmagini stampa(Dpi, QSizeF(210, 297));
        TFormStampaProspetto f(*p.sistema);
        f.show();
        QVERIFY(C<QRadioButton>(f, "RBPartecipanti")->isChecked());
        QVERIFY(!C<QSpinBox>(f, "SECopie")->isEnabled());
        QVERIFY(!C<QCheckBox>(f, "CBCondizioni")->isEnabled());  // no condition in use
        QVERIFY(!C<QCheckBox>(f, "CBTabulato")->isEnabled());    // no columns
        Clic(f, "StampaBtn");
        QCOMPARE(f.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(stampa.superficie->Documenti(), 3);
        QCOMPARE(stampa.Pagine().size(), 3U);
        const auto titolo = [&](std::size_t i) { return stampa.Pagine()[i].copy(0, 0, 2000, 250); };
        QVERIFY(titolo(0) != titolo(1));
        QVERIFY(titolo(1) != titolo(2));
        QVERIFY(ScuriTra(stampa.Pagine()[0], 10, 18, Dpi) > 0);
    }

    // A failed printer is said and the dialog stays.
    void copiesAsGivenAndTheListingAfterEach() {
        SistemaDiProva p;
        p.d().Pronostico = SistemaDiProva::Primi(9);
        ludo::Espandi(p.d().Colonne, SistemaDiProva::Primi(9), false);
        StampaSuImmagini stampa(Dpi, QSizeF(210, 297));
        TFormStampaProspetto f(*p.sistema);
        f.show();
        stampa.superficie->guasto = true;
        {
            RispostaMessaggio ok;
            Clic(f, "StampaBtn");
            QTRY_COMPARE(ok.testi, QStringList{"Impossibile Stampare il Prospetto del Sistema"});
        }
        QVERIFY(f.isVisible());
        stampa.superficie->guasto = false;
        // One participant: only a number of copies.
        QVERIFY(!C<QRadioButton>(f, "RBPartecipanti")->isEnabled());
        QVERIFY(C<QRadioButton>(f, "RBNumeroCopie")->isChecked());
        C<QSpinBox>(f, "SECopie")->setValue(2);
        C<QCheckBox>(f, "CBTabulato")->setChecked(true);
        C<QCheckBox>(f, "CBInformazioni")->setChecked(false);
        C<QCheckBox>(f, "CBSchedina")->setChecked(false);
        Clic(f, "StampaBtn");
        QCOMPARE(stampa.superficie->Documenti(), 4);  // report, listing, report, listing
        // Without information and coupon the report page holds only its headings.
        QCOMPARE(ScuriTra(stampa.Pagine()[0], 30, 250, Dpi), 0);
    }
};

QTEST_MAIN(TestTFormStampaProspetto)
#include "TestTFormStampaProspetto.moc"
