// The guide as the program ships it: every page a window asks for exists,
// the pages lead to each other and to their pictures, the index reaches
// every page, and a missing page is said, not shown blank.
#include <QtTest>
#include <QtWidgets>

#include "ui/controls/Guida.h"
#include "ui/controls/RispostaMessaggio.h"
#include "ui/controls/TFrmGuida.h"

namespace {

QString Leggi(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList Catture(const QString& testo, const QString& modello) {
    QStringList trovati;
    for (auto it = QRegularExpression(modello).globalMatch(testo); it.hasNext();)
        trovati << it.next().captured(1);
    return trovati;
}

// Where a page name is written in the sources: as a window's PaginaGuida, as
// the third field of a condition editor's description, or straight in the
// call. Any other argument of a call, or value of a PaginaGuida, is a page
// the test cannot check.
const QString NomeLetterale = QStringLiteral("QStringLiteral\\(\"([^\"]+)\"\\)");
const QString CallGuida =
    QStringLiteral("(?:ApriGuida|AiutoFinestra)\\([^,;)]+(?:,\\s*([^;]+?))?\\);");
const QStringList ArgomentiNoti = {QStringLiteral("PaginaGuida"), QStringLiteral("sezioneGuida_")};

QDir Guida() { return QDir(QStringLiteral(LUDO_GUIDA_DIR)); }

}  // namespace

class TestGuida : public QObject {
    Q_OBJECT
  private slots:
    void everyPageTheProgramOpensExists() {
        QStringList pagine;
        QStringList ignoti;
        QDirIterator it(QStringLiteral(LUDO_SRC_DIR "/ui"),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString testo = Leggi(it.next());
            if (it.fileName().startsWith(QStringLiteral("Guida.")))
                continue;  // where they are defined
            pagine << Catture(testo, QStringLiteral("\\{\"F\\w+\", \"[^\"]*\", \"([^\"]+)\"\\}"));
            const QStringList argomenti =
                Catture(testo, CallGuida) +
                Catture(testo, QStringLiteral("PaginaGuida\\s*=\\s*([^;]+);"));
            for (const QString& argomento : argomenti) {
                const QString nome = argomento.section(QStringLiteral("::"), -1);
                if (argomento.isEmpty() || ArgomentiNoti.contains(nome)) continue;
                const auto letterale = QRegularExpression(NomeLetterale).match(argomento);
                if (letterale.hasMatch())
                    pagine << letterale.captured(1);
                else
                    ignoti << it.filePath() + QStringLiteral(": ") + argomento;
            }
        }
        QVERIFY2(ignoti.isEmpty(), qPrintable(ignoti.join(QStringLiteral(", "))));
        QVERIFY2(pagine.size() > 60, "the scan finds the windows' pages");
        ImpostaCartellaGuida(std::filesystem::path(LUDO_GUIDA_DIR).parent_path());
        QStringList mancanti;
        for (const QString& pagina : pagine) {
            if (!QFileInfo::exists(QString::fromStdString(FilePaginaGuida(pagina).string())))
                mancanti << pagina;
        }
        QVERIFY2(mancanti.isEmpty(), qPrintable(mancanti.join(QStringLiteral(", "))));
    }

    // The pictures are those the build copied from docs/.
    void everyLinkAndPictureOfEveryPageResolves() {
        QStringList rotti;
        for (const QString& nome : Guida().entryList({QStringLiteral("*.html")})) {
            const QString testo = Leggi(Guida().filePath(nome));
            const QStringList indirizzi =
                Catture(testo, QStringLiteral("href=\"([^\"#]+)[^\"]*\"")) +
                Catture(testo, QStringLiteral("src=\"([^\"]+)\""));
            for (const QString& indirizzo : indirizzi) {
                if (!Guida().exists(indirizzo)) rotti << nome + QStringLiteral(" → ") + indirizzo;
            }
            for (const QString& ancora :
                 Catture(testo, QStringLiteral("href=\"([^\"#]*#[^\"]+)\""))) {
                const QString pagina = ancora.section(QLatin1Char('#'), 0, 0);
                const QString destinazione =
                    Leggi(Guida().filePath(pagina.isEmpty() ? nome : pagina));
                if (!destinazione.contains(
                        QStringLiteral("id=\"%1\"").arg(ancora.section(QLatin1Char('#'), 1))))
                    rotti << nome + QStringLiteral(" → ") + ancora;
            }
            if (!testo.contains(QStringLiteral("href=\"indice.html\"")) &&
                nome != QStringLiteral("indice.html"))
                rotti << nome + QStringLiteral(": no way back to the index");
        }
        QVERIFY2(rotti.isEmpty(), qPrintable(rotti.join(QStringLiteral(", "))));
    }

    void theIndexLinksEveryPage() {
        const QString indice = Leggi(Guida().filePath(QStringLiteral("indice.html")));
        QStringList esclusi;
        for (const QString& nome : Guida().entryList({QStringLiteral("*.html")})) {
            if (nome != QStringLiteral("indice.html") &&
                !indice.contains(QStringLiteral("href=\"%1\"").arg(nome)))
                esclusi << nome;
        }
        QVERIFY2(esclusi.isEmpty(), qPrintable(esclusi.join(QStringLiteral(", "))));
    }

    // A link leads to another page; a page that is not there opens nothing.
    void pagesLeadToEachOtherAndAMissingPageIsSaid() {
        ImpostaCartellaGuida(std::filesystem::path(LUDO_GUIDA_DIR).parent_path());
        QWidget finestra;
        TFrmGuida* guida = ApriGuida(&finestra, QStringLiteral("somme"));
        QVERIFY(guida != nullptr);
        auto* testo = guida->findChild<QTextBrowser*>();
        QVERIFY(!testo->document()->toPlainText().isEmpty());
        testo->setSource(QUrl(QStringLiteral("le-condizioni.html#intervalli")));
        QCOMPARE(guida->PaginaMostrata(), QStringLiteral("le-condizioni#intervalli"));
        QVERIFY(testo->document()->toPlainText().contains(QStringLiteral("Gli intervalli")));
        testo->backward();
        QCOMPARE(guida->PaginaMostrata(), QStringLiteral("somme"));

        RispostaMessaggio risposta;
        QCOMPARE(ApriGuida(&finestra, QStringLiteral("nessuna")), nullptr);
        QCOMPARE(risposta.testi,
                 QStringList{"Impossibile Aprire la Guida: " + Guida().filePath("nessuna.html")});
        QCOMPARE(guida->PaginaMostrata(), QStringLiteral("somme"));
    }
};

QTEST_MAIN(TestGuida)
#include "TestGuida.moc"
