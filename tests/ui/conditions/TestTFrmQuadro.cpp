// The board window as a player uses it: presets, the clipboard and its
// limit, "Adatta", navigation through nested boards, the tree, the files
// it writes as the command-line program reads them, and the insertion of
// filter columns from the archive.
#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/TQuadro.h"
#include "ui/conditions/TFormInsArc_File.h"
#include "ui/conditions/TFormInsComb.h"
#include "ui/conditions/TFrmAlbero.h"
#include "ui/conditions/TFrmQuadro.h"
#include "ui/controls/TGGraphpt.h"
#include "ui/controls/TGPannelloCF.h"
#include "ui/controls/TGSpinEdit.h"
#include "ui/controls/TPronostico.h"

namespace {

using ludo::TQuadro;

// A click, or a double click, on the panel of the i-th member shown.
void Pannello(const TFrmQuadro& f, int i, Qt::KeyboardModifiers m = {}, bool doppio = false) {
    auto* pannello = C<TGPannelloCF>(f, qPrintable(QStringLiteral("Pannello%1").arg(i)));
    doppio ? QTest::mouseDClick(pannello, Qt::LeftButton, m)
           : QTest::mouseClick(pannello, Qt::LeftButton, m);
}

void Nuova(const TFrmQuadro& f, std::uint8_t codice, int volte = 1) {
    for (int i = 0; i < volte; ++i) f.Comando(QStringLiteral("Nuova%1").arg(codice))->trigger();
}

std::vector<std::string> Nomi(const TQuadro& q) {
    std::vector<std::string> n;
    for (const auto& m : q.Elenco) n.push_back(m->Nome);
    return n;
}

}  // namespace

class TestTFrmQuadro : public QObject {
    Q_OBJECT
  private slots:
    // What the presets and the relations then accept is the core's to say.
    void annullaLeavesTheBoardAsItWasPresetsFollowTheMembers() {
        ludo::TCondizioniSistema cs;
        TQuadro quadro(&cs);
        {
            TFrmQuadro annullata(quadro);
            Mostra(annullata);
            Nuova(annullata, ludo::CodPariDispari, 2);
            C<QLineEdit>(annullata, "EditNome")->setText(QStringLiteral("Cambiato"));
            Clic(annullata, "AnnullaBtn");
            QVERIFY(quadro.Elenco.empty());
            QCOMPARE(quadro.Nome, std::string("Quadro"));
        }
        TFrmQuadro f(quadro);
        Mostra(f);
        Nuova(f, ludo::CodColonnaFiltro, 3);
        Clic(f, "OKBtn");
        QCOMPARE(quadro.Accettate.Prima.Voci[3].Stato, ludo::Accettato);

        TFrmQuadro g(quadro);
        Mostra(g);
        QCOMPARE(g.Radice().Elenco.size(), 3U);
        Clic(g, "RadioNot");
        Clic(g, "OKBtn");
        QCOMPARE(quadro.Relazione, ludo::RelazioneNot);
    }

    void pasteIntoAFullBoardIsRefused() {
        ludo::TCondizioniSistema cs;
        TQuadro quadro(&cs);
        for (int i = 0; i < 999; ++i) quadro.Inserisci(ludo::CodPariDispari);
        TFrmQuadro f(quadro);
        Mostra(f);
        auto& q = f.Radice();
        q.Elenco[0]->Selezionato = true;
        f.Comando(QStringLiteral("Copia"))->trigger();
        QCOMPARE(MessaggiDi([&] { f.Comando(QStringLiteral("Incolla"))->trigger(); }),
                 QStringList{"Informazione. Spazio Insufficiente !"});
        QCOMPARE(q.Elenco.size(), 999U);
    }

    void cutCopyPasteKeepOrderAndClearTheWholeTree() {
        ludo::TCondizioniSistema cs;
        TQuadro quadro(&cs);
        TFrmQuadro f(quadro);
        Mostra(f);
        Nuova(f, ludo::CodPariDispari, 4);
        Nuova(f, ludo::CodQuadro);
        auto& q = f.Radice();
        for (int i = 0; i < 4; ++i)
            q.Elenco[static_cast<std::size_t>(i)]->Nome =
                std::string(1, static_cast<char>('A' + i));
        auto& sotto = static_cast<TQuadro&>(*q.Elenco[4]);
        sotto.Inserisci(ludo::CodResti)->Selezionato = true;
        f.Radice().PrimoVisibile = 0;
        C<QScrollBar>(f, "ScrollBar")->setValue(0);
        Pannello(f, 2);
        QVERIFY2(!sotto.Elenco[0]->Selezionato,
                 "a plain click clears the selection of the whole tree");
        Pannello(f, 4, Qt::ControlModifier);
        QVERIFY(q.Elenco[1]->Selezionato && q.Elenco[3]->Selezionato);
        f.Comando(QStringLiteral("Taglia"))->trigger();
        QCOMPARE(Nomi(q), (std::vector<std::string>{"A", "C", "Quadro"}));
        Pannello(f, 1);
        f.Comando(QStringLiteral("Incolla"))->trigger();
        QCOMPARE(Nomi(q), (std::vector<std::string>{"B", "D", "A", "C", "Quadro"}));
        f.Comando(QStringLiteral("Incolla"))->trigger();  // the clipboard pastes again
        QCOMPARE(q.Elenco.size(), 7U);
        Pannello(f, 1);
        Pannello(f, 2, Qt::ShiftModifier);
        f.Comando(QStringLiteral("Elimina"))->trigger();
        QCOMPARE(Nomi(q).front(), std::string("B"));
        QCOMPARE(q.Elenco.size(), 5U);
    }

    void adattaMapsTheFilterColumnsOntoTheSelectedMatches() {
        ludo::TCondizioniSistema cs;
        TQuadro quadro(&cs);
        TFrmQuadro f(quadro);
        Mostra(f);
        QCOMPARE(MessaggiDi([&] { f.Comando(QStringLiteral("Adatta"))->trigger(); }),
                 QStringList{"Impossibile Trovare la Colonna Prototipo."});
        Nuova(f, ludo::CodColonnaFiltro, 2);
        f.Radice().Elenco[0]->Nome = "Prototipo";
        dynamic_cast<ludo::TColonnaFiltro&>(*f.Radice().Elenco[0]).Numeri =
            Numeri({1, 2, 3, 4, 5, 6, 7, 8});
        dynamic_cast<ludo::TColonnaFiltro&>(*f.Radice().Elenco[1]).Numeri = Numeri({2, 4, 6, 8});
        auto* basse = C<TPronostico>(f, "Partite1_16");
        auto* alte = C<TPronostico>(f, "Partite17_32");
        for (int n : {3, 5, 8, 11, 13}) basse->Clicca(n - 1);
        for (int n : {17, 21, 30}) alte->Clicca(n - 17);
        f.Comando(QStringLiteral("Adatta"))->trigger();
        QCOMPARE(dynamic_cast<ludo::TColonnaFiltro&>(*f.Radice().Elenco[0]).Numeri,
                 Numeri({5, 11, 17, 30}));
        Clic(f, "AzzeraBtn");
        QCOMPARE(basse->Colonna() | alte->Colonna(), ludo::Colonna{0});
    }

    void precedenteClimbsFromABoardNestedThreeDeep() {
        ludo::TCondizioniSistema cs;
        TQuadro quadro(&cs);
        auto* primo = static_cast<TQuadro*>(quadro.Inserisci(ludo::CodQuadro));
        auto* secondo = static_cast<TQuadro*>(primo->Inserisci(ludo::CodQuadro));
        secondo->Inserisci(ludo::CodPariDispari);
        secondo->Inserisci(ludo::CodQuadro);
        TFrmQuadro f(quadro);
        Mostra(f);
        QVERIFY(!C<QPushButton>(f, "PrecedenteBtn")->isEnabled());
        Pannello(f, 1, {}, true);
        Pannello(f, 1, {}, true);
        Pannello(f, 2, {}, true);
        TQuadro* terzo = &f.Corrente();
        QCOMPARE(f.Radice().Contenitore(*terzo)->Elenco.size(), 2U);
        Clic(f, "AlberoBtn");
        TFrmAlbero* albero = f.Albero();
        QCOMPARE(albero->Caselle().size(), 5U);
        QCOMPARE(albero->Caselle().back().rettangolo, QRect(10 + 3 * 106, 20 + 20, 86, 16));
        QCOMPARE(albero->Corrente(), terzo);
        C<QLineEdit>(f, "EditNome")->setText(QStringLiteral("Terzo"));
        Clic(f, "PrecedenteBtn");
        QCOMPARE(terzo->Nome, std::string("Terzo"));
        Clic(f, "PrecedenteBtn");
        Clic(f, "PrecedenteBtn");
        QCOMPARE(&f.Corrente(), &f.Radice());
        QCOMPARE(albero->Corrente(), &f.Radice());
        // A double-click on a box of the tree shows that board.
        const QRect casella = albero->Caselle()[2].rettangolo;
        QTest::mouseDClick(albero->findChild<QWidget*>(QStringLiteral("Albero")), Qt::LeftButton,
                           {}, casella.center());
        QCOMPARE(f.Corrente().Elenco.size(), 2U);
        Clic(f, "OKBtn");
        QCOMPARE(static_cast<TQuadro&>(*static_cast<TQuadro&>(*quadro.Elenco[0]).Elenco[0])
                     .Elenco[1]
                     ->Nome,
                 std::string("Terzo"));
    }

    void theFilesAreReadBackByTheCommandLine() {
        SistemaDiProva p;
        const QString quadri = QString::fromStdString((p.Cartella() / "QUADRI").string());
        ludo::TCondizioniSistema cs;
        TQuadro quadro(&cs);
        TFrmQuadro f(quadro);
        Mostra(f);
        Nuova(f, ludo::CodResti);
        Nuova(f, ludo::CodQuadro);
        Nuova(f, ludo::CodSimmetrie);
        C<QLineEdit>(f, "EditNome")->setText(QStringLiteral("Quadro à"));
        const QString qdr = quadri + QStringLiteral("/prova.QDR");
        QCOMPARE(RichiesteDi(qdr, [&] { Clic(f, "SalvaQuadroBtn"); })[0].titolo,
                 QStringLiteral("Salva Il Quadro"));
        const QJsonObject letto = p.Json({"quadro", qdr.toStdString()});
        QCOMPARE(letto["nome"].toString(), QStringLiteral("Quadro à"));
        QCOMPARE(letto["membri"].toArray().size(), 3);

        Pannello(f, 1);
        Pannello(f, 3, Qt::ControlModifier);
        const QString cnd = quadri + QStringLiteral("/prova.CND");
        RichiesteDi(cnd, [&] { f.Comando(QStringLiteral("Salva"))->trigger(); });
        const QJsonArray condizioni =
            QJsonDocument::fromJson(
                QByteArray::fromStdString(p.Cli({"condizioni", cnd.toStdString()})))
                .array();
        QCOMPARE(condizioni.size(), 2);
        QCOMPARE(condizioni[1].toObject()["codice"].toInt(), int{ludo::CodSimmetrie});

        // Loading a board asks first, then replaces the board shown.
        const auto caricaQuadro = [&](const QString& file, const char* risposta) {
            return MessaggiDi([&] { RichiesteDi(file, [&] { Clic(f, "CaricaQuadroBtn"); }); },
                              QString::fromLatin1(risposta));
        };
        Nuova(f, ludo::CodPariDispari);
        QCOMPARE(caricaQuadro(qdr, "No").size(), 1);
        QCOMPARE(f.Radice().Elenco.size(), 4U);
        caricaQuadro(qdr, "Si");
        QCOMPARE(f.Radice().Elenco.size(), 3U);
        Pannello(f, 1);
        RichiesteDi(cnd, [&] { f.Comando(QStringLiteral("Carica"))->trigger(); });
        QCOMPARE(f.Radice().Elenco[1]->Codice, ludo::CodSimmetrie);
        QCOMPARE(f.Radice().Elenco.size(), 5U);
        QCOMPARE(caricaQuadro(quadri + QStringLiteral("/manca.QDR"), "Si").last(),
                 QStringLiteral("Impossibile Caricare Il Quadro"));
        QCOMPARE(f.Radice().Elenco.size(), 5U);
    }

    void filterColumnsFromTheArchiveBetweenTwoSeasons() {
        SistemaDiProva p;
        auto& a = p.d().Archivio;
        for (std::uint16_t anno : {2021, 2022, 2023}) {
            for (std::uint8_t n = 1; n <= 30; ++n)
                a.InserisciOrdinato({anno, n, ludo::SerieA, 0xFFu << (n % 24)});
        }
        p.sistema->DatiPerLeCondizioni();
        auto& radice = static_cast<TQuadro&>(p.d().Condizioni.Condizione(ludo::CodQuadro));
        p.d().Condizioni.Archivio = &a.Concorsi();
        TFormInsArc_File f(radice);
        Mostra(f);
        C<TGSpinEdit>(f, "SEAnnoDa")->setValue(2022);
        C<TGSpinEdit>(f, "SEConcDa")->setValue(25);
        C<TGSpinEdit>(f, "SEAnnoA")->setValue(2024);
        C<TGSpinEdit>(f, "SEConcA")->setValue(3);
        Clic(f, "CheckFlag");
        Clic(f, "OKBtn");
        // 2021 from 25 to 30, every contest of 2022, 2023 up to 3.
        QCOMPARE(f.Inserite(), 6U + 30U + 3U);
        QCOMPARE(radice.Elenco.size(), 39U);
        const auto& primo = dynamic_cast<const ludo::TColonnaFiltro&>(*radice.Elenco[0]);
        QCOMPARE(primo.Numeri, ludo::Colonna{0xFFu << 1});
        QCOMPARE(primo.FlagPosizione, 1);
    }

    void aStretchOfTheFixedNumberRankingUpToTheLimit() {
        ludo::TCondizioniSistema cs;
        TQuadro quadro(&cs);
        for (int i = 0; i < 997; ++i) quadro.Inserisci(ludo::CodPariDispari);
        const std::vector<ludo::TFisse> classifica = {
            {Numeri({7})}, {Numeri({1, 2})}, {Numeri({9})}, {Numeri({3})}, {Numeri({4})}};
        TFormInsComb f(quadro, classifica);
        Mostra(f);
        auto* iniziale = C<QSpinBox>(f, "SEIniziale");
        auto* finale = C<QSpinBox>(f, "SEFinale");
        finale->setValue(4);
        iniziale->setValue(5);
        QCOMPARE(iniziale->value(), 4);  // pulled back to "Finale"
        iniziale->setValue(2);
        finale->setValue(1);
        QCOMPARE(finale->value(), 2);  // raised back to "Iniziale"
        finale->setValue(4);
        Clicca(*C<TGGraphpt>(f, "GrPunti"), 1);
        Clic(f, "OKBtn");
        QCOMPARE(f.Inserite(), 2U);
        const auto& ultima = dynamic_cast<const ludo::TColonnaFiltro&>(*quadro.Elenco.back());
        QCOMPARE(ultima.Numeri, Numeri({9}));
        QCOMPARE(ultima.Tabelle[0].Prima.Voci[1].Stato, ludo::Accettato);
    }
};

QTEST_MAIN(TestTFrmQuadro)
#include "TestTFrmQuadro.moc"
