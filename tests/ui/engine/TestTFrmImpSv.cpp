#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "SistemaDiProva.h"
#include "ui/engine/TFrmImpSv.h"

namespace {

bool Attivo(const TFrmImpSv& f, const char* nome) { return C<QWidget>(f, nome)->isEnabled(); }

}  // namespace

class TestTFrmImpSv : public QObject {
    Q_OBJECT
  private slots:
    void theReductionAndFileControlsDependOnTheirChoices() {
        SistemaDiProva p;
        TFrmImpSv f(*p.sistema);
        f.show();
        for (const bool ridotto : {false, true}) {
            if (ridotto) Clic(f, "CBSviluppoRidotto");
            for (const char* nome : {"RBGaranzia6", "RBGaranzia7", "CBDistanzaMinima",
                                     "CBOttimizzata", "CBMigliorata", "SpinVincite"})
                QVERIFY2(Attivo(f, nome) == ridotto, nome);
            QVERIFY(!Attivo(f, "SpinDistanza"));
            QVERIFY2(!Attivo(f, "SpinSecondi"), "the seconds only for the improved reduction");
        }

        auto* vincite = C<QSpinBox>(f, "SpinVincite");
        vincite->setValue(4);
        Clic(f, "CBOttimizzata");
        QVERIFY(!Attivo(f, "SpinVincite"));
        QCOMPARE(vincite->value(), 1);  // set back to 1 whenever it is disabled

        Clic(f, "CBDistanzaMinima");
        QVERIFY2(!C<QCheckBox>(f, "CBOttimizzata")->isChecked(),
                 "minimum distance unchecks the optimised reduction");
        QVERIFY(!Attivo(f, "CBOttimizzata"));
        QVERIFY(Attivo(f, "SpinDistanza"));
        QVERIFY(!Attivo(f, "SpinVincite"));

        Clic(f, "CBSviluppoRidotto");
        QVERIFY(!Attivo(f, "SpinDistanza"));
        QVERIFY(!Attivo(f, "CBDistanzaMinima"));

        // The file names are enabled only for files; browsing starts in COLONNE.
        RispostaFile risposta(QStringLiteral("/altrove/scelto.Col"));
        QVERIFY(!Attivo(f, "EditFileSorgente") && !Attivo(f, "CercaSorgente"));
        QVERIFY(!Attivo(f, "EditFileDestinazione") && !Attivo(f, "CercaDestinazione"));
        Clic(f, "RBFileColonnare");
        Clic(f, "CercaSorgente");
        Clic(f, "RBFile");
        QVERIFY(Attivo(f, "EditFileSorgente") && Attivo(f, "CercaSorgente"));
        QVERIFY(Attivo(f, "EditFileDestinazione") && Attivo(f, "CercaDestinazione"));
        Clic(f, "CercaDestinazione");
        const auto& richieste = risposta.richieste;
        QCOMPARE(richieste.size(), 2);
        QCOMPARE(richieste[0].titolo, QStringLiteral("Seleziona il File Colonnare"));
        QVERIFY(!richieste[0].salva);
        QCOMPARE(richieste[1].titolo, QStringLiteral("Salva sul File Colonnare"));
        QVERIFY(richieste[1].salva);
        for (const auto& r : richieste) {
            QCOMPARE(r.filtro, QStringLiteral("File Colonnare (*.Col)"));
            QCOMPARE(r.estensione, QStringLiteral("Col"));
            QCOMPARE(std::filesystem::path(r.cartella.toStdString()).filename(),
                     std::filesystem::path("COLONNE"));
        }
        QCOMPARE(C<QLineEdit>(f, "EditFileSorgente")->text(),
                 QStringLiteral("/altrove/scelto.Col"));
    }

    void theImprovedReductionIsAFourthChoiceWithItsSeconds() {
        SistemaDiProva p;
        auto f = std::make_unique<TFrmImpSv>(*p.sistema);
        f->show();
        Clic(*f, "CBSviluppoRidotto");
        Clic(*f, "CBOttimizzata");
        Clic(*f, "CBMigliorata");
        QVERIFY2(!C<QCheckBox>(*f, "CBOttimizzata")->isChecked(),
                 "one reduction after the development");
        QVERIFY(Attivo(*f, "SpinSecondi"));
        QVERIFY(!Attivo(*f, "SpinVincite"));
        Clic(*f, "CBOttimizzata");
        QVERIFY(!C<QCheckBox>(*f, "CBMigliorata")->isChecked());
        QVERIFY(!Attivo(*f, "SpinSecondi"));
        Clic(*f, "CBMigliorata");
        Clic(*f, "CBDistanzaMinima");
        QVERIFY(!C<QCheckBox>(*f, "CBMigliorata")->isChecked());
        QVERIFY(!Attivo(*f, "CBMigliorata") && !Attivo(*f, "SpinSecondi"));
        Clic(*f, "CBDistanzaMinima");

        // Tab goes from the optimised reduction to this one, its seconds and
        // the minimum distance.
        Clic(*f, "CBMigliorata");
        auto* secondi = C<QSpinBox>(*f, "SpinSecondi");
        QApplication::setActiveWindow(f.get());
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        C<QWidget>(*f, "CBOttimizzata")->setFocus();
        for (const char* nome : {"CBMigliorata", "SpinSecondi", "CBDistanzaMinima"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* fuoco = QApplication::focusWidget();
            QVERIFY2(fuoco == C<QWidget>(*f, nome) || fuoco->parentWidget() == C<QWidget>(*f, nome),
                     nome);
        }
        Digita(secondi, QStringLiteral("125"));
        Clic(*f, "OKBtn");
        const auto& d = p.d().Destinazione;
        QVERIFY(d.RiduzioneMigliorata);
        QVERIFY2(d.RiduzioneOttimizzata, "the improved reduction starts from the optimised one");
        QCOMPARE(int(d.SecondiMigliorata), 130);  // kept in steps of ten seconds

        f = std::make_unique<TFrmImpSv>(*p.sistema);
        f->show();
        QVERIFY(C<QCheckBox>(*f, "CBMigliorata")->isChecked());
        QVERIFY(!C<QCheckBox>(*f, "CBOttimizzata")->isChecked());
        QCOMPARE(C<QSpinBox>(*f, "SpinSecondi")->value(), 130);
        QVERIFY(Attivo(*f, "SpinSecondi"));
    }

    // OK without changes keeps the columns; a source file changes them once
    // it is found.
    void aMissingSourceFileKeepsTheWindowOpen() {
        SistemaDiProva p;
        p.d().Pronostico = SistemaDiProva::Primi(9);
        p.d().Colonne.Aggiungi(0xFF);
        p.d().Sviluppato = true;
        {
            TFrmImpSv invariata(*p.sistema);
            invariata.show();
            Clic(invariata, "OKBtn");
            QVERIFY(!invariata.Cambiato());
            QVERIFY(!p.sistema->Modificato);
        }
        TFrmImpSv f(*p.sistema);
        f.show();
        Clic(f, "RBFileColonnare");
        C<QLineEdit>(f, "EditFileSorgente")->setText(QStringLiteral("manca.Col"));
        QCOMPARE(MessaggiDi([&] { Clic(f, "OKBtn"); }),
                 QStringList{QString::fromUtf8(MsgFileSorgenteMancante)});
        QVERIFY(f.isVisible());
        QCOMPARE(f.focusWidget(), C<QWidget>(f, "EditFileSorgente"));
        QVERIFY2(p.d().Sorgente.SorgentePronostico, "nothing stored");
        QCOMPARE(p.d().Colonne.Conteggio(), 1u);

        // A name without folder is looked for in COLONNE.
        QVERIFY(ludo::ScriviFile(p.d().Colonne, p.Cartella() / "COLONNE" / "manca.Col"));
        Clic(f, "OKBtn");
        QCOMPARE(f.result(), static_cast<int>(QDialog::Accepted));
        QVERIFY(!p.d().Sorgente.SorgentePronostico);
        QCOMPARE(p.d().Sorgente.FileSorgente, std::string("manca.Col"));
        QVERIFY(f.Cambiato());
        QVERIFY(p.d().Colonne.Vuota());
        QVERIFY(!p.d().Sviluppato);
        QVERIFY(p.sistema->Modificato);
    }

    void everySettingIsStored() {
        SistemaDiProva p;
        TFrmImpSv f(*p.sistema);
        f.show();
        Clic(f, "RBFile");
        C<QLineEdit>(f, "EditFileDestinazione")->setText(QStringLiteral("uscita.Col"));
        Clic(f, "CBCondizionamenti");
        Clic(f, "CBSviluppoRidotto");
        Clic(f, "RBGaranzia7");
        C<QSpinBox>(f, "SpinVincite")->setValue(3);
        Clic(f, "CBRicalcolo");
        Clic(f, "RBStimato");
        Clic(f, "OKBtn");
        const auto& d = p.d().Destinazione;
        QVERIFY(std::tuple(d.DestinazioneMemoria, d.FileDestinazione, d.UsaCondizionamenti,
                           d.SviluppoRidotto, int(d.Garanzia), int(d.VinciteMultiple),
                           d.RicalcoloAutomatico, d.CalcoloReale) ==
                std::tuple(false, std::string("uscita.Col"), false, true, 7, 3, true, false));
    }
};

QTEST_MAIN(TestTFrmImpSv)
#include "TestTFrmImpSv.moc"
