#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>
#include <fstream>

#include "../coltools/StrumentiDiProva.h"
#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "PrincipaleDiProva.h"
#include "core/columns/FileColonne.h"
#include "core/io/ProgramFolder.h"
#include "core/system/Schedina.h"
#include "core/system/StatoPrincipale.h"
#include "ui/archive/TFrmArchivio.h"
#include "ui/archive/TFrmImpRicerca.h"
#include "ui/archive/TFrmVisArchivio.h"
#include "ui/checking/TFrmSpoglio.h"
#include "ui/coltools/TFrmAccorpa.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/TAnimazioneLogo.h"
#include "ui/controls/TFrmGuida.h"
#include "ui/controls/TPronosticoF.h"
#include "ui/engine/TFormRicalcoloAutomatico.h"
#include "ui/engine/TFrmSviluppo.h"
#include "ui/printing/TFormStampaSchedine.h"
#include "ui/printing/TFrmTaratura.h"
#include "ui/system/TFormSelPartite.h"
#include "ui/system/TFrmCommento.h"
#include "ui/system/TFrmImpostazioni.h"
#include "ui/system/TFrmPartecipanti.h"

namespace {

std::filesystem::path UltimaSchedina(const SistemaDiProva& prova) {
    return ludo::io::resolvePath(prova.Cartella(), ludo::NomeUltimaSchedina);
}

// The coupon control that has the focus, also while one of its cells is typed into.
QString Controllo(QWidget* w) {
    for (; w != nullptr; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    }
    return {};
}

// A shown main window over a system in a scratch program folder.
struct Principale {
    Principale() : finestra_(FinestraPrincipale(*prova.sistema, &messaggi)), finestra(*finestra_) {
        finestra.Avvio(std::nullopt);
    }
    ~Principale() {
        // Nothing to save at exit: the tests close without questions.
        prova.sistema->Modificato = false;
    }
    Principale(const Principale&) = delete;
    Principale& operator=(const Principale&) = delete;

    [[nodiscard]] ludo::DatiSistema& d() const { return prova.d(); }
    [[nodiscard]] QAction* Comando(const char* nome) const {
        return finestra.Comando(QString::fromLatin1(nome));
    }
    // A menu command or a toolbar button, enabled.
    [[nodiscard]] bool Attivo(const char* nome) const {
        QAction* comando = Comando(nome);
        return (comando != nullptr ? comando : C<QAction>(finestra, nome))->isEnabled();
    }
    // A path in the program folder, as a file dialog gives it.
    [[nodiscard]] QString Percorso(const char* cartella, const char* nome) const {
        return QString::fromStdString((prova.Cartella() / cartella / nome).string());
    }
    void Mostra(ludo::Colonna pronostico) {
        d().Pronostico = pronostico;
        finestra.ImpostaTutto();
    }

    SistemaDiProva prova;
    QStringList messaggi;

  private:
    std::unique_ptr<TFormPrincipa> finestra_;

  public:
    TFormPrincipa& finestra;
};

}  // namespace

class TestTFormPrincipa : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void captionNamesTheUntitledSystemAndTheWindowKeepsItsMinimumSize() {
        Principale p;
        QCOMPARE(p.messaggi, QStringList{QString::fromUtf8(ludo::MsgImpossibileCaricareArchivio)});
        QCOMPARE(p.finestra.windowTitle(), QStringLiteral(" Ludomatic 4.0 - SENZANOME"));
        QVERIFY2(!p.finestra.windowIcon().pixmap(32).isNull(), "the program's icon");
        p.finestra.resize(300, 200);
        QApplication::processEvents();
        QVERIFY(p.finestra.width() >= 640 && p.finestra.height() >= 480);
        // At the smallest size the whole coupon is in view and nothing of it overlaps.
        const QWidget* pannello = p.finestra.findChild<QWidget*>(QStringLiteral("PanelSchedina"));
        QVERIFY(p.finestra.centralWidget()->rect().contains(pannello->geometry()));
        QList<QRect> aree;
        for (const char* nome :
             {"GridSquadre1", "GridPicch1", "Pronostico1", "GridSquadre2", "GridPicch2",
              "Pronostico2", "EditConcorso", "Squadre", "Animazione"}) {
            const QWidget* w = p.finestra.findChild<QWidget*>(QString::fromLatin1(nome));
            const QRect area(w->mapTo(&p.finestra, QPoint(0, 0)), w->size());
            for (const QRect& altra : aree) QVERIFY2(!area.intersects(altra), nome);
            aree.append(area);
        }
        // It fits the 1024 x 600 screen of a small laptop, bars and all.
        QVERIFY(p.finestra.minimumSize().width() <= 1024);
        QVERIFY(p.finestra.minimumSize().height() <= 600 - 40);
    }

    // Development follows the forecast; printing, viewing and checking from
    // memory wait for columns, from a file they do not.
    void commandsFollowTheForecastAndTheColumns() {
        Principale p;
        for (const bool otto : {false, true}) {
            p.Mostra(SistemaDiProva::Primi(otto ? 8 : 7));
            QCOMPARE(p.Attivo("CalcoloColonne"), otto);
            QCOMPARE(p.Attivo("SpeedSviluppa"), otto);
            QCOMPARE(C<QMenu>(p.finestra, "Condizioni")->menuAction()->isEnabled(), otto);
        }
        for (const bool colonne : {false, true}) {
            p.d().Colonne.Svuota();
            if (colonne) p.d().Colonne.Aggiungi(SistemaDiProva::Primi(8));
            p.finestra.AggiornaAbilitazioni();
            for (const char* nome : {"StampaMemoria", "SpeedStampa", "VisualizzaMemoria",
                                     "SpoglioMemoria", "SpoglioStoricoMemoria", "SpeedSpoglio"})
                QVERIFY2(p.Attivo(nome) == colonne, nome);
            for (const char* nome : {"StampaProspetto", "SpeedProspetto", "Carica", "StampaFile",
                                     "SpoglioFile", "SpoglioStoricoFile"})
                QVERIFY2(p.Attivo(nome), nome);
        }
    }

    // Printing and checking take a copy of the columns in memory, printing
    // reads the column file chosen; printing and checking take nothing from a
    // file that cannot be read.
    void columnCommandsTakeTheColumnsFromMemoryOrAFile() {
        Principale p;
        QAction* memoria = p.Comando("StampaMemoria");
        for (int i = 0; i < 7; ++i) p.d().Colonne.Aggiungi(SistemaDiProva::Primi(8));
        p.finestra.AggiornaAbilitazioni();
        int schedine = 0;
        QuandoSiApre<TFormStampaSchedine>([&](TFormStampaSchedine& f) {
            schedine = f.NumSchedine();
            f.Lavoro().Colonne.Svuota();
            f.findChild<QCheckBox*>(QStringLiteral("CBPausa"))->setChecked(true);
            f.reject();
        });
        memoria->trigger();
        QCOMPARE(schedine, 2);
        QCOMPARE(p.d().Colonne.Conteggio(), 7u);  // the dialog worked on a copy
        // It opens again with the choices it was left with.
        bool pausa = false;
        QuandoSiApre<TFormStampaSchedine>([&](TFormStampaSchedine& f) {
            pausa = f.findChild<QCheckBox*>(QStringLiteral("CBPausa"))->isChecked();
            f.reject();
        });
        memoria->trigger();
        QVERIFY(pausa);

        std::size_t colonne = 0;
        QuandoSiApre<TFrmSpoglio>([&](TFrmSpoglio& f) {
            colonne = f.Colonne().Conteggio();
            f.reject();
        });
        C<QAction>(p.finestra, "SpeedSpoglio")->trigger();
        QCOMPARE(colonne, std::size_t{7});

        const auto file = p.prova.Cartella() / "COLONNE" / "stampa.Col";
        ScriviFile(file, ColonneLE(std::vector<ludo::Colonna>(13, SistemaDiProva::Primi(8))));
        QuandoSiApre<TFormStampaSchedine>([&](TFormStampaSchedine& f) {
            schedine = f.NumSchedine();
            f.reject();
        });
        const auto scelta = RichiesteDi(file, [&] { p.Comando("StampaFile")->trigger(); });
        QCOMPARE(schedine, 3);
        QCOMPARE(scelta.front().titolo, QStringLiteral("Seleziona il File Colonnare"));
        QCOMPARE(scelta.front().filtro, QStringLiteral("File Colonnare (*.Col)"));
        QVERIFY(scelta.front().cartella.endsWith(QStringLiteral("COLONNE")));

        RispostaFile mancante(p.Percorso("COLONNE", "nessuno.Col"));
        for (const auto& [nome, messaggio] :
             {std::pair{"StampaFile", ludo::MsgErroreLetturaColonne},
              {"SpoglioFile", ludo::MsgImpossibileCaricareColonnare},
              {"SpoglioStoricoFile", ludo::MsgImpossibileCaricareColonnare}}) {
            QCOMPARE(MessaggiDi([&] { p.Comando(nome)->trigger(); }),
                     QStringList{QString::fromUtf8(messaggio)});
        }
    }

    void theMenusOpenTheirWindows() {
        Principale p;
        QStringList aperte;
        const auto apri = [&]<class T>(const char* comando, T*) {
            QuandoSiApre<T>([&aperte, comando](T& f) {
                aperte << QString::fromLatin1(comando);
                f.reject();
            });
            p.Comando(comando)->trigger();
        };
        apri("AggiornamentoArchivio", static_cast<TFrmArchivio*>(nullptr));
        apri("Visualizzazione", static_cast<TFrmVisArchivio*>(nullptr));
        apri("ImpostazioniRicerca", static_cast<TFrmImpRicerca*>(nullptr));
        apri("TaraturaStampante", static_cast<TFrmTaratura*>(nullptr));
        apri("Commento", static_cast<TFrmCommento*>(nullptr));
        QCOMPARE(aperte, (QStringList{"AggiornamentoArchivio", "Visualizzazione",
                                      "ImpostazioniRicerca", "TaraturaStampante", "Commento"}));

        // Printer setup confirms the choice with "OK", not "Stampa".
        QString conferma;
        QuandoSiApre<QPrintDialog>([&](QPrintDialog& f) {
            conferma = f.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
            f.reject();
        });
        p.Comando("ImpostaStampante")->trigger();
        QCOMPARE(conferma, QStringLiteral("OK"));

        // The guide opens in the program's own window, and a second request
        // shows the same window.
        std::filesystem::copy(LUDO_GUIDA_DIR, p.prova.Cartella() / "Guida",
                              std::filesystem::copy_options::recursive);
        p.Comando("Sommario")->trigger();
        auto* guida = p.finestra.findChild<TFrmGuida*>();
        QVERIFY(guida != nullptr && guida->isVisible());
        QCOMPARE(guida->PaginaMostrata(), QStringLiteral("indice"));
        C<QAction>(p.finestra, "SpeedHelp")->trigger();
        QCOMPARE(p.finestra.findChildren<TFrmGuida*>().size(), 1);
    }

    void contestNumberAndTeamNamesAreCutAndADamagedCouponFileKeepsThem() {
        Principale p;
        auto* concorso = C<QLineEdit>(p.finestra, "EditConcorso");
        Digita(concorso, QStringLiteral("1234"));
        QCOMPARE(concorso->text(), QStringLiteral("123"));
        QCOMPARE(p.d().Coupon.Concorso, 123);

        QTableWidgetItem* ospite = C<QTableWidget>(p.finestra, "GridSquadre2")->item(0, 1);
        ospite->setText(QStringLiteral("Polisportiva Lunghissima"));
        QCOMPARE(QString::fromStdString(p.d().Coupon.Squadre[16].Ospite),
                 QStringLiteral("Polisportiva Lunghis"));
        QCOMPARE(ospite->text(), QStringLiteral("Polisportiva Lunghis"));

        // A damaged coupon file leaves the coupon as it was.
        const auto file = p.prova.Cartella() / "Schedine" / "rotta.Gsc";
        std::ofstream(file, std::ios::binary) << "\x05";
        RispostaFile risposta(file);
        RispostaMessaggio ok;
        p.Comando("CaricaSchedina")->trigger();
        QCOMPARE(risposta.richieste[0].titolo, QStringLiteral("Carica la Schedina"));
        QCOMPARE(risposta.richieste[0].filtro, QStringLiteral("File di Schedina (*.Gsc)"));
        QCOMPARE(ok.testi.size(), 1);
        QCOMPARE(p.d().Coupon.Concorso, 123);
        QCOMPARE(QString::fromStdString(p.d().Coupon.Squadre[16].Ospite),
                 QStringLiteral("Polisportiva Lunghis"));
    }

    void withAutomaticRecalculationAClickRecalculates() {
        Principale p;
        p.d().Destinazione.RicalcoloAutomatico = true;
        p.Mostra(SistemaDiProva::Primi(8));
        auto* prima = C<TPronosticoF>(p.finestra, "Pronostico1");
        QSignalSpy applicato(p.finestra.findChild<TFormRicalcoloAutomatico*>(),
                             &TFormRicalcoloAutomatico::Applicato);
        Clicca(*prima, 8);
        QVERIFY(applicato.wait(30000));
        QCOMPARE(TestoDi(p.finestra, "PColonneF"),
                 QStringLiteral("  Colonne Finali : 9 (£ 7.200)"));
    }

    void calcoloColonneLocksTheWindowUntilTheEndAndAccorpaGroupsItsColumns() {
        Principale p;
        p.Mostra(SistemaDiProva::Primi(9));
        QSignalSpy fine(p.finestra.findChild<TFrmSviluppo*>(), &TFrmSviluppo::Terminato);
        auto* animazione = C<TAnimazioneLogo>(p.finestra, "Animazione");
        QVERIFY(!animazione->InPausa());
        C<QAction>(p.finestra, "SpeedSviluppa")->trigger();
        QVERIFY(!p.finestra.centralWidget()->isEnabled());
        QVERIFY(animazione->InPausa());
        QVERIFY(!animazione->InCorso());
        QVERIFY(fine.count() == 1 || fine.wait(30000));
        QVERIFY(p.finestra.centralWidget()->isEnabled());
        QVERIFY(!animazione->InPausa());
        QCOMPARE(TestoDi(p.finestra, "PColonneF"),
                 QStringLiteral("  Colonne Finali : 9 (£ 7.200)"));
        QVERIFY(p.Comando("SalvaSuDisco")->isEnabled());

        // Grouping the columns developed: they cost what the simple ones did.
        QuandoSiApre<TFrmAccorpa>([](TFrmAccorpa& f) {
            QTRY_VERIFY(C<QPushButton>(f, "ChiudiBtn")->isEnabled());
            Clic(f, "ChiudiBtn");
        });
        p.Comando("Accorpa")->trigger();
        QCOMPARE(TestoDi(p.finestra, "PColonneF"),
                 QStringLiteral("  Colonne Finali : 1 (£ 7.200)"));
    }

    void startOpensTheSystemGivenOrTheLastCouponAndClosingSavesIt() {
        SistemaDiProva prova;
        ludo::Schedina ultima;
        ultima.Concorso = 42;
        ultima.Squadre[0].Casa = "Genoa";
        ludo::SalvaSchedina(ultima, UltimaSchedina(prova));
        {
            auto finestra = FinestraPrincipale(*prova.sistema);
            finestra->Avvio(std::nullopt);
            QCOMPARE(C<QTableWidget>(*finestra, "GridSquadre1")->item(0, 0)->text(),
                     QStringLiteral("Genoa"));
            QCOMPARE(C<QLineEdit>(*finestra, "EditConcorso")->text(), QStringLiteral("42"));
            // Closing saves the coupon as the last one.
            prova.d().Coupon.Concorso = 77;
            QVERIFY(finestra->close());
        }
        ludo::Schedina letta;
        ludo::CaricaSchedina(letta, UltimaSchedina(prova));
        QCOMPARE(letta.Concorso, 77);
        ludo::T_Sistema altro(prova.Cartella());
        altro.Dati->Pronostico = SistemaDiProva::Primi(12);
        const auto file = prova.Cartella() / "SISTEMI" / "Dodici.LDS";
        altro.Salva(file);
        auto finestra = FinestraPrincipale(*prova.sistema);
        finestra->Avvio(QString::fromStdString(file.string()));
        QCOMPARE(finestra->windowTitle(), QStringLiteral(" Ludomatic 4.0 - Dodici"));
        QCOMPARE(prova.d().Pronostico, SistemaDiProva::Primi(12));
        QVERIFY(!prova.sistema->Modificato);
    }

    void savingAnUntitledSystemAsksItsNameAndNoBeforeNewDiscards() {
        Principale p;
        const QString file = p.Percorso("SISTEMI", "Mio.LDS");
        std::ofstream(file.toStdString()) << "vecchio";
        RispostaFile risposta(file);
        QCOMPARE(MessaggiDi([&] { p.Comando("Save1")->trigger(); }, QStringLiteral("No")),
                 QStringList{QString::fromUtf8(MsgSovrascrivere)});
        QCOMPARE(risposta.richieste.size(), 1);
        QCOMPARE(risposta.richieste[0].titolo, QStringLiteral("Salva il Sistema"));
        QCOMPARE(risposta.richieste[0].filtro, QStringLiteral("Sistema (*.LDS)"));
        QVERIFY(p.prova.sistema->SenzaNome);
        MessaggiDi([&] { p.Comando("Save1")->trigger(); }, QStringLiteral("Si"));
        QVERIFY(!p.prova.sistema->SenzaNome);
        QCOMPARE(p.finestra.windowTitle(), QStringLiteral(" Ludomatic 4.0 - Mio"));
        ludo::T_Sistema letto(p.prova.Cartella());
        letto.Carica(file.toStdString());

        // "No" before a new system discards the changes.
        p.Mostra(SistemaDiProva::Primi(12));
        p.prova.sistema->Modificato = true;
        QCOMPARE(MessaggiDi([&] { p.Comando("New1")->trigger(); }, QStringLiteral("No")).size(), 1);
        QCOMPARE(TestoDi(p.finestra, "PartiteSelezionate"),
                 QStringLiteral(" Partite Selezionate : 0"));
    }

    void participantsAndPricesReachTheStatusLine() {
        Principale p;
        p.Mostra(SistemaDiProva::Primi(10));
        QuandoSiApre<TFrmPartecipanti>([](TFrmPartecipanti& f) {
            C<QSpinBox>(f, "SpinPartecipanti")->setValue(3);
            Clic(f, "OKBtn");
        });
        p.Comando("Partecipanti")->trigger();
        QVERIFY(TestoDi(p.finestra, "PColonneI").endsWith(QStringLiteral(" 1/3)")));

        QuandoSiApre<TFrmImpostazioni>([](TFrmImpostazioni& f) {
            QTest::mouseClick(C<QRadioButton>(f, "RBEuro"), Qt::LeftButton, {}, QPoint(6, 6));
            Clic(f, "OKBtn");
        });
        p.Comando("Varie")->trigger();
        QVERIFY(TestoDi(p.finestra, "PColonneI").contains(QStringLiteral("€")));
    }

    void squadreOpensOneSelectionWindowThatFillsTheCoupon() {
        Principale p;
        for (const char* file : {"SquadrA.Txt", "SquadrB.Txt", "SquadrC1.Txt", "SquadrC2.Txt"}) {
            std::ofstream(p.prova.Cartella() / file, std::ios::binary) << "Inter\r\nMilan\r\n";
        }
        Clic(p.finestra, "Squadre");
        Clic(p.finestra, "Squadre");
        const auto finestre = p.finestra.findChildren<TFormSelPartite*>();
        QCOMPARE(finestre.size(), 1);
        TFormSelPartite& sel = *finestre.front();
        QVERIFY(sel.isVisible());
        QTableWidget* casa = C<QTableWidget>(p.finestra, "GridSquadre1");
        QCOMPARE(casa->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(casa->currentRow(), 0);
        QCOMPARE(casa->currentColumn(), 0);

        QTableWidget* lista = C<QTableWidget>(sel, "GridSquadre");
        ClicCella(*lista, 0, 1);
        QCOMPARE(casa->item(0, 0)->text(), QStringLiteral("Milan"));
        QVERIFY(p.prova.sistema->Modificato);
        QCOMPARE(casa->currentColumn(), 1);

        // The cursor in the second half is shown in the second grid.
        sel.ImpostaCursore(40);
        QCOMPARE(C<QTableWidget>(p.finestra, "GridSquadre2")->currentRow(), 4);
        QCOMPARE(C<QTableWidget>(p.finestra, "GridSquadre2")->currentColumn(), 0);

        Clic(sel, "ChiudiBtn");
        QCOMPARE(casa->editTriggers(), QAbstractItemView::AllEditTriggers);
    }

    void salvaSuDiscoWritesTheColumnsOrSaysItCouldNot() {
        Principale p;
        p.d().Colonne.Aggiungi(0xFFu);
        p.d().Colonne.Aggiungi(0x1FEu);
        p.d().Sviluppato = true;
        p.finestra.ImpostaTutto();
        const auto file = p.prova.Cartella() / "COLONNE" / "due.Col";
        QCOMPARE(RichiesteDi(file, [&] { p.Comando("SalvaSuDisco")->trigger(); })[0].titolo,
                 QStringLiteral("Salva le Colonne"));
        QCOMPARE(LeggiFile(file), ColonneLE({0xFFu, 0x1FEu}));

        RispostaFile impossibile(p.Percorso("manca", "x.Col"));
        QCOMPARE(MessaggiDi([&] { p.Comando("SalvaSuDisco")->trigger(); }),
                 QStringList{QString::fromUtf8(MsgScritturaColonne)});
    }
    // Asked whether to save a changed system on exit, New or Load: Annulla
    // (offered on exit only), or "Si" with the save given up or failing,
    // goes back to the system.
    void notSavingAtTheQuestionGoesBackToTheSystem() {
        struct Caso {
            const char* risposta;
            QString file;  // chosen to save into; none when given up
            QStringList testi;
            QStringList comandi;
        };
        const QString nonSalvato = QString::fromUtf8(MsgSistemaNonSalvato);
        const QStringList tutti = {"Exit", "New1", "Carica"};
        for (const Caso& k :
             {Caso{"Annulla", {}, {nonSalvato}, {"Exit"}}, Caso{"Si", {}, {nonSalvato}, tutti},
              Caso{"Si", "x.LDS", {nonSalvato, "Impossibile Salvare il Sistema"}, tutti}}) {
            Principale p;
            p.Mostra(SistemaDiProva::Primi(12));
            Digita(p.finestra, "EditConcorso", QStringLiteral("7"));
            QVERIFY(p.prova.sistema->Modificato);
            RispostaFile scelta(k.file.isEmpty() ? k.file : p.Percorso("manca", "x.LDS"));
            for (const QString& comando : k.comandi) {
                RispostaMessaggio messaggi{QString::fromLatin1(k.risposta)};
                if (comando == QStringLiteral("Exit")) {
                    QVERIFY(!p.finestra.close());
                } else {
                    p.finestra.Comando(comando)->trigger();
                }
                QVERIFY2(messaggi.testi == k.testi, qPrintable(comando));
                QVERIFY(p.finestra.isVisible());
                QCOMPARE(p.d().Pronostico, SistemaDiProva::Primi(12));
                QVERIFY(p.prova.sistema->Modificato);
            }
            // Only "Si" asks where to save; no system to load is asked for.
            QCOMPARE(scelta.richieste.size(), QByteArray(k.risposta) == "Si" ? 3 : 0);
            for (const RichiestaFile& r : scelta.richieste)
                QCOMPARE(r.titolo, QStringLiteral("Salva il Sistema"));
        }
    }

    void tabWalksTheWholeWindowInReadingOrder() {
        Principale p;
        p.finestra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.finestra));
        // "Analisi" waits for columns in memory.
        const QStringList atteso = {"EditConcorso", "Azzera",       "Tutte",      "Squadre",
                                    "Archivio",     "GridSquadre1", "GridPicch1", "Pronostico1",
                                    "GridSquadre2", "GridPicch2",   "Pronostico2"};
        auto* inizio = p.finestra.findChild<QWidget*>(QStringLiteral("EditConcorso"));
        inizio->setFocus(Qt::TabFocusReason);
        QStringList visti = {Controllo(QApplication::focusWidget())};
        for (int i = 1; i <= atteso.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visti.append(Controllo(QApplication::focusWidget()));
        }
        QCOMPARE(visti, atteso + QStringList{"EditConcorso"});
        // Each of them has a name for assistive tools.
        for (const QString& nome : atteso) {
            auto* controllo = p.finestra.findChild<QWidget*>(nome);
            QVERIFY2(!QAccessible::queryAccessibleInterface(controllo)
                          ->text(QAccessible::Name)
                          .isEmpty(),
                     qPrintable(nome));
        }
        // Shift+Tab walks back, also out of a cell being typed into.
        auto* picch = C<QTableWidget>(p.finestra, "GridPicch2");
        picch->setFocus(Qt::TabFocusReason);
        picch->setCurrentCell(3, 0);
        QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(Controllo(QApplication::focusWidget()), QStringLiteral("GridSquadre2"));
    }

    // A forecast change, from the keyboard as from a click, forgets the columns.
    void aForecastIsPickedWithTheKeyboard() {
        Principale p;
        p.d().Colonne.Aggiungi(0xFFu);
        p.d().Sviluppato = true;
        auto* prima = C<TPronosticoF>(p.finestra, "Pronostico1");
        for (int i = 0; i < 4; ++i) QTest::keyClick(prima, Qt::Key_Down);
        QTest::keyClick(prima, Qt::Key_Space);
        QCOMPARE(p.d().Pronostico, ludo::Colonna{1} << 4);
        QCOMPARE(p.d().Colonne.Conteggio(), 0u);
        QVERIFY(!p.d().Sviluppato);
        QTest::keyClick(prima, Qt::Key_Space);
        QCOMPARE(p.d().Fisse, ludo::Colonna{1} << 4);
        QCOMPARE(TestoDi(p.finestra, "PanelFisse"), QStringLiteral(" Fisse : 1"));
        // The first cell of the second strip is match 17.
        QTest::keyClick(C<TPronosticoF>(p.finestra, "Pronostico2"), Qt::Key_Space);
        QCOMPARE(p.d().Pronostico, (ludo::Colonna{1} << 4) | (ludo::Colonna{1} << 16));
        QVERIFY(p.prova.sistema->Modificato);
    }

    void aCommaInPicchIsTheDecimalSeparatorAndARefusalSaysWhy() {
        Principale p;
        p.finestra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.finestra));
        auto* griglia = C<QTableWidget>(p.finestra, "GridPicch2");
        const auto scrivi = [&](const QString& testo) {
            griglia->setFocus(Qt::TabFocusReason);
            griglia->setCurrentCell(0, 0);
            griglia->setCurrentCell(2, 0);
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(editor != nullptr);
            Digita(editor, testo);
            QTest::keyClick(editor, Qt::Key_Return);
            // The cell takes the text once the editor has closed.
            QCoreApplication::processEvents();
        };
        scrivi(QStringLiteral("12,5"));
        QCOMPARE(p.d().Picchetti[18], 12.5);
        QCOMPARE(griglia->item(2, 0)->text(), QStringLiteral("12.50"));
        scrivi(QStringLiteral("125"));
        QCOMPARE(p.d().Picchetti[18], 12.5);
        QCOMPARE(griglia->item(2, 0)->text(), QStringLiteral("12.50"));
        QCOMPARE(p.finestra.statusBar()->currentMessage(),
                 QString::fromStdString(ludo::MotivoPicchettoRifiutato(19, "125")));
        // Letters never reach the cell.
        scrivi(QStringLiteral("7a"));
        QCOMPARE(p.d().Picchetti[18], 7.0);
        QVERIFY(p.finestra.statusBar()->currentMessage().isEmpty());
        QVERIFY(p.prova.sistema->Modificato);
    }
};

QTEST_MAIN(TestTFormPrincipa)
#include "TestTFormPrincipa.moc"
