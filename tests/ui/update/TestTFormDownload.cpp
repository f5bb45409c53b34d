// The download window and the "Internet" menu of the main window, against a
// real FTP server on the loopback address.
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "../coltools/StrumentiDiProva.h"
#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "../system/PrincipaleDiProva.h"
#include "core/update/NuovaVersione.h"
#include "ftp/ServerAggiornamento.h"
#include "ui/update/TFormDownload.h"

using ludo::EsitoAggiornamento;
using ludo::TipoAggiornamento;
using Stato = EsitoAggiornamento::Stato;

namespace {

const char* const Liste[] = {"SquadrA.Txt", "SquadrB.Txt", "SquadrC1.Txt", "SquadrC2.Txt"};

// A program folder whose team lists say "vecchia".
struct Cartella {
    Cartella() {
        for (const char* lista : Liste) ScriviFile(prova.Cartella() / lista, "vecchia\r\n");
    }
    [[nodiscard]] QStringList Squadre() const {
        QStringList testi;
        for (const char* lista : Liste)
            testi << QString::fromUtf8(LeggiFile(prova.Cartella() / lista));
        return testi;
    }
    // The update server named in the folder's aggiornamento.txt.
    void ConServer(const ServerAggiornamento& server) const {
        ScriviFile(prova.Cartella() / "aggiornamento.txt",
                   QByteArray::fromStdString("server=" + server.Url() + "\n"));
    }
    [[nodiscard]] ludo::RichiestaAggiornamento Richiesta(TipoAggiornamento tipo,
                                                         const std::string& server) const {
        return {tipo, server, prova.Cartella(), prova.Cartella()};
    }
    SistemaDiProva prova;
};

// While the window runs: once the second of four lists is arriving, azione.
void AlPassoDue(TFormDownload& finestra, const std::function<void()>& azione) {
    auto* timer = new QTimer(&finestra);
    QObject::connect(timer, &QTimer::timeout, &finestra, [&finestra, timer, azione] {
        if (TestoDi(finestra, "LabelPasso") != QStringLiteral("Passo 2 di 4") ||
            C<QProgressBar>(finestra, "Gauge")->value() == 0)
            return;
        timer->stop();
        azione();
    });
    timer->start(5);
}

// A download of the team lists whose second list is large and slow.
struct ListeLente {
    ListeLente() { server.Servi("archivi/squadrb.txt", std::string(4 << 20, 'b')); }
    ServerAggiornamento server{64 << 10};
    Cartella cartella;
    TFormDownload finestra;
};

}  // namespace

class TestTFormDownload : public QObject {
    Q_OBJECT
  private slots:
    void annullaOrAStallDuringStepTwoLeaveTheListsAsTheyWere() {
        ListeLente l;
        const RispostaMessaggio risposta;
        QString stato;
        AlPassoDue(l.finestra, [&] {
            stato = TestoDi(l.finestra, "LabelStato");
            QVERIFY(l.finestra.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            Clic(l.finestra, "AnnullaBtn");
        });
        const auto esito =
            l.finestra.Aggiorna(l.cartella.Richiesta(TipoAggiornamento::Squadre, l.server.Url()));
        QCOMPARE(stato, QStringLiteral("Aggiornamento in Corso..."));
        QCOMPARE(l.finestra.windowTitle(), QStringLiteral("Aggiornamento delle Squadre"));
        QVERIFY(!l.finestra.isVisible());
        QCOMPARE(esito.stato, Stato::Annullato);
        QVERIFY(risposta.testi.isEmpty());
        QCOMPARE(l.cartella.Squadre(), QStringList(4, QStringLiteral("vecchia\r\n")));

        // Again, with the server stalling: told once the watchdog fires.
        AlPassoDue(l.finestra, [&] { l.server.Ftp().Sospendi(); });
        const auto fermo =
            l.finestra.Aggiorna(l.cartella.Richiesta(TipoAggiornamento::Squadre, l.server.Url()),
                                std::chrono::seconds(2));
        QCOMPARE(fermo.stato, Stato::Fallito);
        QCOMPARE(risposta.testi, QStringList{QString::fromUtf8(ludo::MsgErroreTrasferimento)});
        QCOMPARE(l.cartella.Squadre(), QStringList(4, QStringLiteral("vecchia\r\n")));
    }

    // The main window reloads what arrived: the coupon into the grids, the
    // contest archive and the team lists with their messages.
    void internetMenuBringsTheCouponTheArchiveAndTheLists() {
        const ServerAggiornamento server;
        const Cartella c;
        c.ConServer(server);
        const auto principale = FinestraPrincipale(*c.prova.sistema);
        // The entries the toolbar stands in for; the others are triggered below.
        for (const char* nome : {"AggiornamentoSchedina", "AggiornamentoArchivi"})
            QVERIFY2(principale->Comando(QString::fromLatin1(nome))->isEnabled(), nome);
        C<QAction>(*principale, "SpeedSchedina")->trigger();
        QCOMPARE(c.prova.d().Coupon.Concorso, ServerAggiornamento::ConcorsoServito);
        QCOMPARE(C<QTableWidget>(*principale, "GridSquadre1")->item(0, 0)->text(),
                 QString::fromLatin1(ServerAggiornamento::CasaPartita1));
        QCOMPARE(C<QLineEdit>(*principale, "EditConcorso")->text(), QStringLiteral("17"));

        const RispostaMessaggio risposta;
        C<QAction>(*principale, "SpeedArchivi")->trigger();
        QCOMPARE(risposta.testi,
                 QStringList{"Aggiornamento degli archivi completato con successo"});
        QCOMPARE(c.prova.d().Archivio.Conteggio(), std::size_t{2});

        principale->Comando(QStringLiteral("AggiornamentoSquadre"))->trigger();
        QCOMPARE(risposta.testi.size(), 2);  // the download window itself tells nothing
        QCOMPARE(risposta.testi.last(),
                 QStringLiteral("Aggiornamento delle squadre completato con successo"));
        QCOMPARE(c.Squadre(), (QStringList{"Nuova squadra\r\n", "Nuova squadrb\r\n",
                                           "Nuova squadrc1\r\n", "Nuova squadrc2\r\n"}));
        c.prova.sistema->Modificato = false;
    }

    // Without a server the menu says where to write it; a new version that
    // is no valid archive is told; nothing waits to be installed and the
    // program goes on.
    void noServerOrARefusedNewVersionLeaveTheProgramAsItWas() {
        const ServerAggiornamento server;
        server.Servi("programma/ludomatic4p.arc", "non è un archivio zip");
        const Cartella c;
        const auto principale = FinestraPrincipale(*c.prova.sistema);
        const RispostaMessaggio risposta;
        principale->Comando(QStringLiteral("AggiornamentoSquadre"))->trigger();
        QCOMPARE(risposta.testi, QStringList{QString::fromUtf8(ludo::MsgServerNonImpostato)});
        QCOMPARE(c.Squadre(), QStringList(4, QStringLiteral("vecchia\r\n")));
        c.ConServer(server);
        principale->Comando(QStringLiteral("AggiornamentoLudomatic"))->trigger();
        QCOMPARE(risposta.testi,
                 (QStringList{QString::fromUtf8(ludo::MsgServerNonImpostato),
                              QString::fromUtf8(ludo::MsgArchivioProgrammaNonValido)}));
        const QDir programma(QCoreApplication::applicationDirPath());
        QVERIFY(!programma.exists(QString::fromLatin1(ludo::NomeCartellaNuovaVersione)));
        QVERIFY(!std::filesystem::exists(c.prova.Cartella() / "ludomatic4.arc"));
    }
};

QTEST_MAIN(TestTFormDownload)
#include "TestTFormDownload.moc"
