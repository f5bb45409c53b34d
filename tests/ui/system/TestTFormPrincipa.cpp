#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSignalSpy>
#include <QTableWidget>
#include <QToolBar>
#include <QtTest>
#include <fstream>

#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "core/columns/FileColonne.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/io/ProgramFolder.h"
#include "core/system/Schedina.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/TAnimazioneLogo.h"
#include "ui/controls/TPronosticoF.h"
#include "ui/engine/TFormRicalcoloAutomatico.h"
#include "ui/engine/TFrmSviluppo.h"
#include "ui/printing/TFormStampaSchedine.h"
#include "ui/printing/TFrmTaratura.h"
#include "ui/system/TFormPrincipa.h"
#include "ui/system/TFormSelPartite.h"
#include "ui/system/TFrmCommento.h"
#include "ui/system/TFrmImpostazioni.h"
#include "ui/system/TFrmPartecipanti.h"

namespace {

QString Pannello(const TFormPrincipa& f, const char* nome) { return f.findChild<QLabel*>(nome)->text(); }

QTableWidget* Griglia(const TFormPrincipa& f, const char* nome) { return f.findChild<QTableWidget*>(nome); }

void Clicca(TPronosticoF* controllo, int cella) {
    QTest::mouseClick(controllo, Qt::LeftButton, {}, controllo->RettangoloCella(cella).center());
}

std::filesystem::path UltimaSchedina(const SistemaDiProva& prova) {
    return ludo::io::resolvePath(prova.Cartella(), ludo::NomeUltimaSchedina);
}

// Runs azione on the first modal window of type T that opens.
template <class T>
void QuandoSiApre(std::function<void(T&)> azione) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, azione] {
        auto* finestra = qobject_cast<T*>(QApplication::activeModalWidget());
        if (finestra == nullptr) return;
        timer->stop();
        timer->deleteLater();
        azione(*finestra);
    });
    timer->start(5);
}

void Premi(QWidget& finestra, const char* nome) {
    QTest::mouseClick(finestra.findChild<QPushButton*>(nome), Qt::LeftButton);
}

QMenu* MenuCondizioni(const TFormPrincipa& f) { return f.findChild<QMenu*>(QStringLiteral("Condizioni")); }

// Answers every file dialog with one path and remembers the requests.
class RispostaFile {
public:
    explicit RispostaFile(QString percorso) {
        RispostaDialogoFile = [this, percorso](const RichiestaFile& r) {
            richieste.append(r);
            return percorso;
        };
    }
    ~RispostaFile() { RispostaDialogoFile = nullptr; }
    RispostaFile(const RispostaFile&) = delete;
    RispostaFile& operator=(const RispostaFile&) = delete;

    QList<RichiestaFile> richieste;
};

// The main window of a scratch program folder, which has no archive yet:
// the message it shows about that is answered and remembered.
std::unique_ptr<TFormPrincipa> Finestra(ludo::T_Sistema& sistema, QStringList* messaggi = nullptr) {
    RispostaMessaggio ok;
    auto finestra = std::make_unique<TFormPrincipa>(sistema);
    if (messaggi != nullptr) *messaggi = ok.testi;
    return finestra;
}

// A shown main window over a system in a scratch program folder.
struct Principale {
    Principale() : finestra_(Finestra(*prova.sistema, &messaggi)), finestra(*finestra_) {
        finestra.show();
        finestra.Avvio(std::nullopt);
    }
    ~Principale() {
        // Nothing to save at exit: the tests close without questions.
        prova.sistema->Modificato = false;
    }
    Principale(const Principale&) = delete;
    Principale& operator=(const Principale&) = delete;

    [[nodiscard]] ludo::DatiSistema& d() const { return prova.d(); }
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
        p.finestra.resize(300, 200);
        QVERIFY(p.finestra.width() >= 640 && p.finestra.height() >= 480);
    }

    void statusLineCountsColumnsAndCosts() {
        Principale p;
        p.d().Fisse = 0x1;
        p.Mostra(SistemaDiProva::Primi(10));
        QCOMPARE(Pannello(p.finestra, "PColonneI"), QStringLiteral("  Colonne Iniziali : 45 (£ 36.000)"));
        QCOMPARE(Pannello(p.finestra, "PartiteSelezionate"), QStringLiteral(" Partite Selezionate : 10"));
        QCOMPARE(Pannello(p.finestra, "PanelFisse"), QStringLiteral(" Fisse : 1"));
        QCOMPARE(Pannello(p.finestra, "PColonneF"), QStringLiteral("  Colonne Finali : "));
    }

    void developmentNeedsMoreThanSevenNumbersOrAColumnFile() {
        Principale p;
        QAction* calcolo = p.finestra.Comando(QStringLiteral("CalcoloColonne"));
        QAction* pulsante = p.finestra.findChild<QAction*>(QStringLiteral("SpeedSviluppa"));
        p.Mostra(SistemaDiProva::Primi(7));
        QVERIFY(!calcolo->isEnabled());
        QVERIFY(!pulsante->isEnabled());
        QVERIFY(!MenuCondizioni(p.finestra)->menuAction()->isEnabled());
        p.Mostra(SistemaDiProva::Primi(8));
        QVERIFY(calcolo->isEnabled());
        QVERIFY(pulsante->isEnabled());
        QVERIFY(MenuCondizioni(p.finestra)->menuAction()->isEnabled());
        p.d().Sorgente = {false, "sorgente.Col"};
        p.Mostra(SistemaDiProva::Primi(3));
        QVERIFY(calcolo->isEnabled());
    }

    void commandsWithoutTheirWindowStayDisabled() {
        Principale p;
        for (const char* nome : {"AnalisiStatistica", "EditorColonne", "AggiornamentoArchivi", "RidottiImmediati"}) {
            QVERIFY2(!p.finestra.Comando(QString::fromLatin1(nome))->isEnabled(), nome);
        }
        QVERIFY(!p.finestra.findChild<QAction*>(QStringLiteral("SpeedArchivi"))->isEnabled());
        QVERIFY(p.finestra.Comando(QStringLiteral("Carica"))->isEnabled());
        QCOMPARE(p.finestra.Comando(QStringLiteral("Carica"))->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(p.finestra.Comando(QStringLiteral("CalcoloColonne"))->shortcut(), QKeySequence(Qt::Key_F5));
    }

    void printingFromMemoryNeedsColumnsAndTakesACopy() {
        Principale p;
        QAction* memoria = p.finestra.Comando(QStringLiteral("StampaMemoria"));
        p.d().Colonne.Svuota();
        p.finestra.AggiornaAbilitazioni();
        QVERIFY(!memoria->isEnabled());
        QVERIFY(!p.finestra.findChild<QAction*>(QStringLiteral("SpeedStampa"))->isEnabled());
        QVERIFY(p.finestra.Comando(QStringLiteral("StampaFile"))->isEnabled());
        QVERIFY(p.finestra.Comando(QStringLiteral("TaraturaStampante"))->isEnabled());
        QCOMPARE(memoria->shortcut(), QKeySequence(Qt::Key_F8));
        for (int i = 0; i < 7; ++i) p.d().Colonne.Aggiungi(SistemaDiProva::Primi(8));
        p.finestra.AggiornaAbilitazioni();
        QVERIFY(memoria->isEnabled());
        int schedine = 0;
        QuandoSiApre<TFormStampaSchedine>([&](TFormStampaSchedine& f) {
            schedine = f.NumSchedine();
            f.Lavoro().Colonne.Svuota();
            f.reject();
        });
        memoria->trigger();
        QCOMPARE(schedine, 2);
        QCOMPARE(p.d().Colonne.Conteggio(), 7u);  // the dialog worked on a copy
    }

    void printingFromFileReadsTheChosenColumnFile() {
        Principale p;
        const auto file = p.prova.Cartella() / "COLONNE" / "stampa.Col";
        ludo::ListaColonne colonne;
        for (int i = 0; i < 13; ++i) colonne.Aggiungi(SistemaDiProva::Primi(8));
        QVERIFY(ludo::ScriviFile(colonne, file));
        RispostaFile scelta(QString::fromStdString(file.string()));
        int schedine = 0;
        QuandoSiApre<TFormStampaSchedine>([&](TFormStampaSchedine& f) {
            schedine = f.NumSchedine();
            f.reject();
        });
        p.finestra.Comando(QStringLiteral("StampaFile"))->trigger();
        QCOMPARE(schedine, 3);
        QCOMPARE(scelta.richieste.front().titolo, QStringLiteral("Seleziona il File Colonnare"));
        QCOMPARE(scelta.richieste.front().filtro, QStringLiteral("File Colonnare (*.Col)"));
        QVERIFY(scelta.richieste.front().cartella.endsWith(QStringLiteral("COLONNE")));

        RispostaFile manca(QString::fromStdString((p.prova.Cartella() / "COLONNE" / "manca.Col").string()));
        RispostaMessaggio risposta;
        p.finestra.Comando(QStringLiteral("StampaFile"))->trigger();
        QCOMPARE(risposta.testi, QStringList{QString::fromUtf8(ludo::MsgErroreLetturaColonne)});
    }

    void calibrationOpensFromThePrintMenu() {
        Principale p;
        bool aperta = false;
        QuandoSiApre<TFrmTaratura>([&](TFrmTaratura& f) {
            aperta = true;
            f.reject();
        });
        p.finestra.Comando(QStringLiteral("TaraturaStampante"))->trigger();
        QVERIFY(aperta);
    }

    void picchCellsTakeValuesUpToAHundredWithTwoDecimals() {
        Principale p;
        QTableWidgetItem* cella = Griglia(p.finestra, "GridPicch2")->item(2, 0);
        cella->setText(QStringLiteral("12.5"));
        QCOMPARE(p.d().Picchetti[18], 12.5);
        QCOMPARE(cella->text(), QStringLiteral("12.50"));
        cella->setText(QStringLiteral("150"));
        QCOMPARE(p.d().Picchetti[18], 12.5);
        QCOMPARE(cella->text(), QStringLiteral("12.50"));
        cella->setText(QString());
        QCOMPARE(p.d().Picchetti[18], 0.0);
        QCOMPARE(cella->text(), QStringLiteral("0.00"));
        QVERIFY(p.prova.sistema->Modificato);
    }

    void contestNumberHasThreeDigitsAndTeamNamesTwenty() {
        Principale p;
        auto* concorso = p.finestra.findChild<QLineEdit*>(QStringLiteral("EditConcorso"));
        concorso->clear();
        QTest::keyClicks(concorso, QStringLiteral("1234"));
        QCOMPARE(concorso->text(), QStringLiteral("123"));
        QCOMPARE(p.d().Coupon.Concorso, 123);

        QTableWidgetItem* ospite = Griglia(p.finestra, "GridSquadre2")->item(0, 1);
        ospite->setText(QStringLiteral("Polisportiva Lunghissima"));
        QCOMPARE(QString::fromStdString(p.d().Coupon.Squadre[16].Ospite), QStringLiteral("Polisportiva Lunghis"));
        QCOMPARE(ospite->text(), QStringLiteral("Polisportiva Lunghis"));
    }

    void forecastClicksStoreSelectionAndFixedNumbersAndForgetTheColumns() {
        Principale p;
        p.d().Colonne.Aggiungi(0xFFu);
        p.d().Sviluppato = true;
        auto* seconda = p.finestra.findChild<TPronosticoF*>(QStringLiteral("Pronostico2"));
        Clicca(seconda, 0);
        QCOMPARE(p.d().Pronostico, ludo::Colonna{1} << 16);
        Clicca(seconda, 0);
        QCOMPARE(p.d().Fisse, ludo::Colonna{1} << 16);
        QCOMPARE(p.d().Colonne.Conteggio(), 0u);
        QVERIFY(!p.d().Sviluppato);
        QVERIFY(p.prova.sistema->Modificato);
    }

    void withAutomaticRecalculationEachClickRecalculates() {
        Principale p;
        p.d().Destinazione.RicalcoloAutomatico = true;
        p.Mostra(SistemaDiProva::Primi(8));
        auto* prima = p.finestra.findChild<TPronosticoF*>(QStringLiteral("Pronostico1"));
        QSignalSpy applicato(p.finestra.findChild<TFormRicalcoloAutomatico*>(), &TFormRicalcoloAutomatico::Applicato);
        Clicca(prima, 8);
        QVERIFY(applicato.wait(30000));
        QCOMPARE(p.d().Colonne.Conteggio(), 9u);
        QCOMPARE(Pannello(p.finestra, "PColonneF"), QStringLiteral("  Colonne Finali : 9 (£ 7.200)"));
        Clicca(prima, 9);
        QVERIFY(applicato.wait(30000));
        QCOMPARE(p.d().Colonne.Conteggio(), 45u);
    }

    void calcoloColonneLocksTheWindowUntilTheEnd() {
        Principale p;
        p.Mostra(SistemaDiProva::Primi(9));
        QSignalSpy fine(p.finestra.findChild<TFrmSviluppo*>(), &TFrmSviluppo::Terminato);
        auto* animazione = p.finestra.findChild<TAnimazioneLogo*>(QStringLiteral("Animazione"));
        QVERIFY(animazione->InCorso());
        p.finestra.findChild<QAction*>(QStringLiteral("SpeedSviluppa"))->trigger();
        QVERIFY(!p.finestra.centralWidget()->isEnabled());
        QVERIFY(!animazione->InCorso());
        QVERIFY(fine.count() == 1 || fine.wait(30000));
        QVERIFY(p.finestra.centralWidget()->isEnabled());
        QVERIFY(animazione->InCorso());
        QCOMPARE(Pannello(p.finestra, "PColonneF"), QStringLiteral("  Colonne Finali : 9 (£ 7.200)"));
        QVERIFY(p.finestra.Comando(QStringLiteral("SalvaSuDisco"))->isEnabled());
    }

    void openingTheConditionsMenuTicksTheEffectiveConditions() {
        Principale p;
        p.Mostra(SistemaDiProva::Primi(10));
        auto& pariDispari = static_cast<ludo::TPariDispari&>(p.d().Condizioni.Condizione(ludo::CodPariDispari));
        pariDispari.Attivato = true;
        pariDispari.Tabelle[0].Prima.Voci[4] = {ludo::Accettato, 0};
        QMenu* menu = MenuCondizioni(p.finestra);
        emit menu->aboutToShow();
        QVERIFY(p.finestra.Comando(QStringLiteral("PariDispari"))->isChecked());
        QVERIFY(!p.finestra.Comando(QStringLiteral("Somme"))->isChecked());
        pariDispari.Attivato = false;
        emit menu->aboutToShow();
        QVERIFY(!p.finestra.Comando(QStringLiteral("PariDispari"))->isChecked());
    }

    void startOpensTheSystemGivenOrTheLastCoupon() {
        SistemaDiProva prova;
        ludo::Schedina ultima;
        ultima.Concorso = 42;
        ultima.Squadre[0].Casa = "Genoa";
        ludo::SalvaSchedina(ultima, UltimaSchedina(prova));
        {
            auto finestra = Finestra(*prova.sistema);
            finestra->Avvio(std::nullopt);
            QCOMPARE(Griglia(*finestra, "GridSquadre1")->item(0, 0)->text(), QStringLiteral("Genoa"));
            QCOMPARE(finestra->findChild<QLineEdit*>(QStringLiteral("EditConcorso"))->text(), QStringLiteral("42"));
        }
        ludo::T_Sistema altro(prova.Cartella());
        altro.Dati->Pronostico = SistemaDiProva::Primi(12);
        const auto file = prova.Cartella() / "SISTEMI" / "Dodici.LDS";
        altro.Salva(file);
        auto finestra = Finestra(*prova.sistema);
        finestra->Avvio(QString::fromStdString(file.string()));
        QCOMPARE(finestra->windowTitle(), QStringLiteral(" Ludomatic 4.0 - Dodici"));
        QCOMPARE(prova.d().Pronostico, SistemaDiProva::Primi(12));
        QVERIFY(!prova.sistema->Modificato);
    }

    void annullaOnTheUnsavedQuestionKeepsTheProgramRunning() {
        Principale p;
        p.finestra.findChild<QLineEdit*>(QStringLiteral("EditConcorso"))->setText(QString());
        QTest::keyClicks(p.finestra.findChild<QLineEdit*>(QStringLiteral("EditConcorso")), QStringLiteral("7"));
        QVERIFY(p.prova.sistema->Modificato);
        RispostaMessaggio annulla(QStringLiteral("Annulla"));
        QVERIFY(!p.finestra.close());
        QVERIFY(p.finestra.isVisible());
        QCOMPARE(annulla.testi, QStringList{QString::fromUtf8(MsgSistemaNonSalvato)});
    }

    void closingSavesTheCouponAsTheLastOne() {
        SistemaDiProva prova;
        {
            auto finestra = Finestra(*prova.sistema);
            finestra->show();
            prova.d().Coupon.Concorso = 77;
            QVERIFY(finestra->close());
        }
        ludo::Schedina letta;
        ludo::CaricaSchedina(letta, UltimaSchedina(prova));
        QCOMPARE(letta.Concorso, 77);
    }

    void noBeforeNuovoDiscardsTheChanges() {
        Principale p;
        p.Mostra(SistemaDiProva::Primi(12));
        p.prova.sistema->Modificato = true;
        RispostaMessaggio no(QStringLiteral("No"));
        p.finestra.Comando(QStringLiteral("New1"))->trigger();
        QCOMPARE(no.testi.size(), 1);
        QCOMPARE(p.d().Pronostico, ludo::Colonna{0});
        QCOMPARE(Pannello(p.finestra, "PartiteSelezionate"), QStringLiteral(" Partite Selezionate : 0"));
    }

    void savingAnUntitledSystemAsksItsNameAndBeforeReplacingAFile() {
        Principale p;
        const QString file = QString::fromStdString((p.prova.Cartella() / "SISTEMI" / "Mio.LDS").string());
        std::ofstream(file.toStdString()) << "vecchio";
        RispostaFile risposta(file);
        {
            RispostaMessaggio no(QStringLiteral("No"));
            p.finestra.Comando(QStringLiteral("Save1"))->trigger();
            QCOMPARE(no.testi, QStringList{QString::fromUtf8(MsgSovrascrivere)});
        }
        QCOMPARE(risposta.richieste.size(), 1);
        QCOMPARE(risposta.richieste[0].titolo, QStringLiteral("Salva il Sistema"));
        QCOMPARE(risposta.richieste[0].filtro, QStringLiteral("Sistema (*.LDS)"));
        QVERIFY(p.prova.sistema->SenzaNome);
        {
            RispostaMessaggio si(QStringLiteral("Si"));
            p.finestra.Comando(QStringLiteral("Save1"))->trigger();
        }
        QVERIFY(!p.prova.sistema->SenzaNome);
        QCOMPARE(p.finestra.windowTitle(), QStringLiteral(" Ludomatic 4.0 - Mio"));
        ludo::T_Sistema letto(p.prova.Cartella());
        letto.Carica(file.toStdString());
    }

    void aDamagedCouponFileLeavesTheCouponAsItWas() {
        Principale p;
        p.d().Coupon.Concorso = 12;
        p.d().Coupon.Squadre[3].Casa = "Torino";
        const auto file = p.prova.Cartella() / "Schedine" / "rotta.Gsc";
        std::ofstream(file, std::ios::binary) << "\x05";
        RispostaFile risposta(QString::fromStdString(file.string()));
        RispostaMessaggio ok;
        p.finestra.Comando(QStringLiteral("CaricaSchedina"))->trigger();
        QCOMPARE(risposta.richieste[0].titolo, QStringLiteral("Carica la Schedina"));
        QCOMPARE(risposta.richieste[0].filtro, QStringLiteral("File di Schedina (*.Gsc)"));
        QCOMPARE(ok.testi.size(), 1);
        QCOMPARE(p.d().Coupon.Concorso, 12);
        QCOMPARE(QString::fromStdString(p.d().Coupon.Squadre[3].Casa), QStringLiteral("Torino"));
    }

    void participantsAndPricesReachTheStatusLine() {
        Principale p;
        p.Mostra(SistemaDiProva::Primi(10));
        QuandoSiApre<TFrmPartecipanti>([](TFrmPartecipanti& f) {
            f.findChild<QSpinBox*>(QStringLiteral("SpinPartecipanti"))->setValue(3);
            Premi(f, "OKBtn");
        });
        p.finestra.Comando(QStringLiteral("Partecipanti"))->trigger();
        QCOMPARE(p.prova.sistema->NumeroPartecipanti, 3);
        QVERIFY(Pannello(p.finestra, "PColonneI").endsWith(QStringLiteral(" 1/3)")));

        QuandoSiApre<TFrmImpostazioni>([](TFrmImpostazioni& f) {
            QTest::mouseClick(f.findChild<QRadioButton*>(QStringLiteral("RBEuro")), Qt::LeftButton, {}, QPoint(6, 6));
            Premi(f, "OKBtn");
        });
        p.finestra.Comando(QStringLiteral("Varie"))->trigger();
        QVERIFY(p.d().Config.Euro);
        QVERIFY(Pannello(p.finestra, "PColonneI").contains(QStringLiteral("€")));
        QVERIFY(std::filesystem::exists(p.prova.Cartella() / "Ludomatic.cfg"));
    }

    void squadreOpensOneSelectionWindowThatFillsTheCoupon() {
        Principale p;
        for (const char* file : {"SquadrA.Txt", "SquadrB.Txt", "SquadrC1.Txt", "SquadrC2.Txt"}) {
            std::ofstream(p.prova.Cartella() / file, std::ios::binary) << "Inter\r\nMilan\r\n";
        }
        Premi(p.finestra, "Squadre");
        Premi(p.finestra, "Squadre");
        const auto finestre = p.finestra.findChildren<TFormSelPartite*>();
        QCOMPARE(finestre.size(), 1);
        TFormSelPartite& sel = *finestre.front();
        QVERIFY(sel.isVisible());
        QTableWidget* casa = Griglia(p.finestra, "GridSquadre1");
        QCOMPARE(casa->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(casa->currentRow(), 0);
        QCOMPARE(casa->currentColumn(), 0);

        QTableWidget* lista = sel.findChild<QTableWidget*>("GridSquadre");
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(0, 1)).center());
        QCOMPARE(casa->item(0, 0)->text(), QStringLiteral("Milan"));
        QCOMPARE(p.d().Coupon.Squadre[0].Casa, std::string("Milan"));
        QVERIFY(p.prova.sistema->Modificato);
        QCOMPARE(casa->currentColumn(), 1);

        // The cursor in the second half is shown in the second grid.
        sel.ImpostaCursore(40);
        QCOMPARE(Griglia(p.finestra, "GridSquadre2")->currentRow(), 4);
        QCOMPARE(Griglia(p.finestra, "GridSquadre2")->currentColumn(), 0);

        Premi(sel, "ChiudiBtn");
        QCOMPARE(casa->editTriggers(), QAbstractItemView::AllEditTriggers);
    }

    void aCommentGivenUpLeavesTheSystemUnchanged() {
        Principale p;
        QuandoSiApre<TFrmCommento>([](TFrmCommento& f) {
            f.findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("da buttare"));
            Premi(f, "AnnullaBtn");
        });
        p.finestra.Comando(QStringLiteral("Commento"))->trigger();
        QVERIFY(p.prova.sistema->Commento.empty());
        QVERIFY(!p.prova.sistema->Modificato);
    }

    void salvaSuDiscoWritesTheColumnsOrSaysItCouldNot() {
        Principale p;
        p.d().Colonne.Aggiungi(0xFFu);
        p.d().Colonne.Aggiungi(0x1FEu);
        p.d().Sviluppato = true;
        p.finestra.ImpostaTutto();
        const auto file = p.prova.Cartella() / "COLONNE" / "due.Col";
        {
            RispostaFile risposta(QString::fromStdString(file.string()));
            p.finestra.Comando(QStringLiteral("SalvaSuDisco"))->trigger();
            QCOMPARE(risposta.richieste[0].titolo, QStringLiteral("Salva le Colonne"));
        }
        ludo::ListaColonne letta;
        QVERIFY(ludo::LeggiFile(letta, file, false));
        QCOMPARE(letta.Conteggio(), 2u);

        RispostaFile impossibile(QString::fromStdString((p.prova.Cartella() / "manca" / "x.Col").string()));
        RispostaMessaggio ok;
        p.finestra.Comando(QStringLiteral("SalvaSuDisco"))->trigger();
        QCOMPARE(ok.testi, QStringList{QString::fromUtf8(MsgScritturaColonne)});
    }
};

QTEST_MAIN(TestTFormPrincipa)
#include "TestTFormPrincipa.moc"
