// "Generazione Schedine": the format chosen prints slips of exactly its
// layout and cost, each slip recorded as a play; the columns of the
// six-column formats go to memory or to a column file.
#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../printing/PagineDiProva.h"
#include "RicevitoriaDiProva.h"
#include "core/checking/Ricevitoria.h"
#include "ui/controls/FormatoLocale.h"
#include "ui/shop/TFormGeneraSchedine.h"
#include "ui/shop/TFormOrientamento.h"

namespace {

ludo::FormatoRiga Formato(const ludo::TGiocataSchedina& g) {
    ludo::FormatoRiga f{};
    for (std::size_t i = 0; i < 6; ++i) f[i] = ludo::NumeroNumeri(g.Colonne[i]);
    return f;
}

}  // namespace

class TestTFormGeneraSchedine : public QObject {
    Q_OBJECT
  private slots:
    void theFixedFormatChosenPrintsItsLayoutAndCostAndNothingElse() {
        RicevitoriaDiProva p;
        TFormGeneraSchedine f(*p.sistema);
        f.show();
        C<QSpinBox>(f, "SESchedine")->setValue(2);
        std::size_t registrate = 0;
        // The layouts and costs of all the rows are the core's; these show the
        // row chosen is the row printed and recorded.
        for (const int riga : {1, 27, ludo::RigheFormatoSchedina}) {
            C<QSpinBox>(f, "SERigaFissa")->setValue(riga);
            const auto costo = static_cast<double>(ludo::ColonneRiga(riga)) * 800;
            QCOMPARE(TestoDi(f, "LabelCostoFisso"),
                     QStringLiteral(" ") + QString::fromStdString(ludo::TestoValuta(
                                               costo, false, FormatoNumeriLocale())));
            StampaSuImmagini stampa(60);
            StampaConInvio(f, "SESchedine");
            QCOMPARE(stampa.Pagine().size(), std::size_t{2});  // one page a slip
            const auto archivio = p.Archivio();
            QCOMPARE(archivio.Schedine.size(), registrate + 2);
            for (std::size_t s = registrate; s < archivio.Schedine.size(); ++s)
                QCOMPARE(Formato(archivio.Schedine[s]), ludo::FormatoSchedina(riga));
            registrate = archivio.Schedine.size();
        }
        p.VerificaGiocate({"\"schedine\":6,"});

        // Given up, or with a forecast too small for the statistical
        // technique, nothing prints and nothing more is recorded.
        StampaSuImmagini stampa(60);
        QuandoSiApre<TFormOrientamento>([](TFormOrientamento& o) { Clic(o, "AnnullaBtn"); });
        Clic(f, "GeneraStampaBtn");
        p.d().Pronostico = 0xFF;
        Clic(f, "RBStatistica");
        Clic(f, "CBPronostico");
        QCOMPARE(MessaggiDi([&] { StampaConInvio(f, "SESchedine"); }),
                 QStringList{QString::fromUtf8(ludo::MsgPronosticoInsufficiente)});
        QVERIFY(stampa.Pagine().empty());
        QCOMPARE(p.Archivio().Schedine.size(), registrate);
    }

    void aRandomCostKeepsSixPlacesAndTheMinimumFollowsTheMaximum() {
        RicevitoriaDiProva p;
        TFormGeneraSchedine f(*p.sistema);
        f.show();
        Clic(f, "RBCostoCasuale");
        C<QSpinBox>(f, "SERigaMinima")->setValue(12);
        C<QSpinBox>(f, "SERigaMassima")->setValue(8);
        QCOMPARE(C<QSpinBox>(f, "SERigaMinima")->value(), 8);
        C<QSpinBox>(f, "SERigaMinima")->setValue(1);
        C<QSpinBox>(f, "SERigaMassima")->setValue(10);
        C<QSpinBox>(f, "SESchedine")->setValue(15);
        QVERIFY(!C<QPushButton>(f, "GeneraMemoriaBtn")->isEnabled());
        StampaSuImmagini stampa(60);
        StampaConInvio(f, "SESchedine");
        QCOMPARE(stampa.Pagine().size(), std::size_t{15});
        for (const auto& g : p.Archivio().Schedine) {
            bool trovata = false;
            for (int riga = 1; riga <= 10; ++riga)
                trovata = trovata || Formato(g) == ludo::FormatoSchedina(riga);
            QVERIFY(trovata);
        }
    }

    void sixEqualColumnsGoToMemoryOrToAFile() {
        RicevitoriaDiProva p;
        TFormGeneraSchedine f(*p.sistema);
        f.show();
        C<QSpinBox>(f, "SERigaFissa")->setValue(27);
        QVERIFY(!C<QPushButton>(f, "GeneraFileBtn")->isEnabled());
        C<QSpinBox>(f, "SERigaFissa")->setValue(26);
        C<QSpinBox>(f, "SESchedine")->setValue(3);
        Clic(f, "GeneraMemoriaBtn");
        QCOMPARE(p.d().Colonne.Conteggio(), std::size_t{18});
        for (ludo::Colonna c : p.d().Colonne) QCOMPARE(ludo::NumeroNumeri(c), 9);
        QVERIFY(p.sistema->Modificato);
        const auto file = p.Cartella() / "COLONNE" / "casuali.Col";
        RispostaFile risposta(file);
        Clic(f, "GeneraFileBtn");
        QCOMPARE(std::filesystem::file_size(file), std::uintmax_t{18 * 4});
        QCOMPARE(risposta.richieste.front().titolo, QStringLiteral("Salva le Colonne"));
    }
};

QTEST_MAIN(TestTFormGeneraSchedine)
#include "TestTFormGeneraSchedine.moc"
