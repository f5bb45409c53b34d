#include <zip.h>

#include <QtTest>
#include <QtWidgets>
#include <random>

#include "../coltools/StrumentiDiProva.h"
#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../statistics/DemoDiProva.h"
#include "core/checking/SpoglioStorico.h"
#include "ui/checking/FoglioXlsx.h"
#include "ui/checking/TFrmSpoglioStorico.h"
#include "ui/controls/TFrmProgresso.h"

namespace fs = std::filesystem;

namespace {

std::vector<ludo::Colonna> ColonneACaso(std::size_t quante) {
    std::mt19937 caso(7);
    std::vector<ludo::Colonna> colonne;
    while (colonne.size() < quante) {
        ludo::Colonna c = 0;
        while (ludo::NumeroNumeri(c) < 8) c |= ludo::Colonna{1} << (caso() % 32);
        colonne.push_back(c);
    }
    return colonne;
}

QStringList Voci(const fs::path& cartella) {
    QStringList voci;
    for (const auto& v : fs::directory_iterator(cartella))
        voci << QString::fromStdString(v.path().filename().string());
    voci.sort();
    return voci;
}

// One entry of a zip archive, whole.
QByteArray VoceZip(const fs::path& file, const char* voce) {
    int errore = 0;
    zip_t* archivio = zip_open(file.c_str(), ZIP_RDONLY, &errore);
    if (archivio == nullptr) return {};
    QByteArray dati;
    zip_stat_t stato;
    if (zip_stat(archivio, voce, 0, &stato) == 0) {
        if (zip_file_t* f = zip_fopen(archivio, voce, 0)) {
            dati.resize(static_cast<qsizetype>(stato.size));
            zip_fread(f, dati.data(), stato.size);
            zip_fclose(f);
        }
    }
    zip_close(archivio);
    return dati;
}

// The sheet as its XML holds it: the text of each cell by row and column
// (shared strings resolved), the style of each cell and the column widths.
struct FoglioLetto {
    std::map<std::pair<int, int>, QString> celle;
    std::map<std::pair<int, int>, QString> stili;
    std::map<int, double> larghezze;
};

// "C17": row 16, column 2 (the sheet has no column past L).
std::pair<int, int> Posizione(const QString& riferimento) {
    return {riferimento.mid(1).toInt() - 1, riferimento[0].unicode() - 'A'};
}

FoglioLetto LeggiXlsx(const fs::path& file) {
    QStringList condivise;
    QXmlStreamReader s(VoceZip(file, "xl/sharedStrings.xml"));
    while (!s.atEnd()) {
        if (s.readNext() == QXmlStreamReader::StartElement && s.name() == QLatin1String("t"))
            condivise << s.readElementText();
    }
    FoglioLetto foglio;
    QXmlStreamReader x(VoceZip(file, "xl/worksheets/sheet1.xml"));
    std::pair<int, int> cella{-1, -1};
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement()) continue;
        const auto a = x.attributes();
        if (x.name() == QLatin1String("col")) {
            foglio.larghezze[a.value(QLatin1String("min")).toInt() - 1] =
                a.value(QLatin1String("width")).toDouble();
        } else if (x.name() == QLatin1String("c")) {
            cella = Posizione(a.value(QLatin1String("r")).toString());
            foglio.stili[cella] = a.value(QLatin1String("s")).toString();
        } else if (x.name() == QLatin1String("v")) {
            foglio.celle[cella] = condivise.value(x.readElementText().toInt());
        }
    }
    return foglio;
}

}  // namespace

class TestTFrmSpoglioStorico : public QObject {
    Q_OBJECT
  private slots:
    // "Esporta" writes the sheet and opens it.
    void tablesSavedColumnsAndSheetAreThoseOfTheCheck() {
        DemoDiProva p;
        const auto colonne = ColonneACaso(40);
        const fs::path file = p.Cartella() / "COLONNE" / "prova.Col";
        ScriviFile(file, ColonneLE(colonne));
        const auto cli =
            p.Json({"spoglio-storico", file.string(), "--salva", "cli.Col", "--punti", "7,6"});

        TFrmSpoglioStorico f(p.d().Archivio, p.d().Config.Ricerca.Intervallo, p.Cartella(),
                             Lista(colonne));
        QVERIFY(f.Analizza());
        f.show();
        QCOMPARE(TestoDi(f, "LabelColonne"), QStringLiteral("40"));
        QCOMPARE(TestoDi(f, "LabelRisultati"), cli["titolo"].toString());
        auto* generale = C<QTableWidget>(f, "GrigliaGenerale");
        const QJsonArray righe = cli["generale"].toArray();
        QCOMPARE(generale->rowCount(), 9);
        int evidenziate = 0;
        for (int k = 0; k < 9; ++k) {
            const QJsonObject r = righe[k].toObject();
            QCOMPARE(RigaDi(*generale, k),
                     (QStringList{r["punteggio"].toString(), r["vincite"].toString(),
                                  r["frequenza"].toString(), r["ritardo_attuale"].toString(),
                                  r["ritardo_massimo"].toString(), r["ic"].toString()}));
            const bool evidenziata = generale->item(k, 0)->background().style() != Qt::NoBrush;
            QCOMPARE(evidenziata, r["evidenziata"].toBool());
            evidenziate += evidenziata ? 1 : 0;
        }
        QVERIFY(evidenziate > 0);
        auto* dettaglio = C<QTableWidget>(f, "GrigliaDettaglio");
        const QJsonArray concorsi = cli["dettaglio"].toArray();
        QCOMPARE(dettaglio->rowCount(), concorsi.size());
        for (int r = 0; r < concorsi.size(); ++r)
            QCOMPARE(RigaDi(*dettaglio, r), Testi(concorsi[r]));

        // "Salva" with the scores set at first (7 and 6).
        const fs::path salvate = p.Cartella() / "COLONNE" / "vinte.Col";
        const auto richieste = RichiesteDi(salvate, [&] { Clic(f, "SalvaBtn"); });
        QCOMPARE(richieste.size(), 1);
        QCOMPARE(richieste[0].titolo, QStringLiteral("Salva le Colonne"));
        QCOMPARE(LeggiFile(salvate), LeggiFile(p.Cartella() / "COLONNE" / "cli.Col"));
        QVERIFY(!LeggiFile(salvate).isEmpty());

        // No score chosen: nothing asked, nothing written.
        Clic(f, "Salva7");
        Clic(f, "Salva6");
        QCOMPARE(f.PunteggiScelti(), std::uint16_t{0});
        {
            RispostaMessaggio messaggi;
            RispostaFile nessuna(QStringLiteral("/non/richiesto.Col"));
            Clic(f, "SalvaBtn");
            QCOMPARE(messaggi.testi, QStringList{QString::fromUtf8(ludo::MsgSelezionarePunteggio)});
            QVERIFY(nessuna.richieste.isEmpty());
        }

        QStringList aperti;
        AperturaFoglioDiProva = [&](const QString& file) {
            aperti << file;
            return true;
        };
        // "Esporta" to a file, the questions answered "Si": the messages shown.
        const auto esporta = [&f](const fs::path& file) {
            RispostaFile risposta(file);
            return MessaggiDi([&f] { Clic(f, "EsportaBtn"); }, QStringLiteral("Si"));
        };
        const fs::path xlsx = p.Cartella() / "storico.xlsx";
        QVERIFY(esporta(xlsx).isEmpty());
        QCOMPARE(aperti, QStringList{QString::fromStdString(xlsx.string())});

        const auto atteso = ludo::FoglioSpoglioStorico(f.Esito());
        const FoglioLetto letto = LeggiXlsx(xlsx);
        std::size_t piene = 0;
        for (std::size_t r = 0; r < atteso.Righe.size(); ++r) {
            for (std::size_t c = 0; c < atteso.Righe[r].size(); ++c) {
                const std::pair<int, int> dove{static_cast<int>(r), static_cast<int>(c)};
                QCOMPARE(letto.celle.at(dove), QString::fromStdString(atteso.Righe[r][c]));
                // Highlighted rows carry a fill of their own; the others the default style.
                QCOMPARE(!letto.stili.at(dove).isEmpty(), bool(atteso.Evidenziata[r]));
                ++piene;
            }
        }
        QCOMPARE(letto.celle.size(), piene);
        for (std::size_t c = 0; c < atteso.Larghezze.size(); ++c)
            QCOMPARE(std::floor(letto.larghezze.at(static_cast<int>(c))), atteso.Larghezze[c]);

        // Nothing on the desktop opens spreadsheets: the user learns where the file is.
        AperturaFoglioDiProva = [](const QString&) { return false; };
        QCOMPARE(esporta(xlsx), (QStringList{QString::fromUtf8(MsgSovrascrivere),
                                             QString::fromUtf8(MsgNessunProgrammaFoglio) +
                                                 QString::fromStdString(xlsx.string())}));
        // A name that cannot be replaced (a folder stands there): the message,
        // and no half-written file left beside it.
        const fs::path occupato = p.Cartella() / "occupato.xlsx";
        fs::create_directory(occupato);
        const auto prima = Voci(p.Cartella());
        QCOMPARE(esporta(occupato).last(), QString::fromUtf8(MsgImpossibileSalvareFoglio));
        QVERIFY(fs::is_directory(occupato));
        QCOMPARE(Voci(p.Cartella()), prima);
        AperturaFoglioDiProva = nullptr;
    }

    void annullaStopsTheCheckAndShowsNothing() {
        DemoDiProva p;
        TFrmSpoglioStorico f(p.d().Archivio, p.d().Config.Ricerca.Intervallo, p.Cartella(),
                             Lista(ColonneACaso(1000000)));
        QuandoSiApre<TFrmProgresso>([](TFrmProgresso& avanzamento) {
            QCOMPARE(TestoDi(avanzamento, "Testo"), QString::fromUtf8(ludo::MsgAnalisiColonnare));
            Clic(avanzamento, "Annulla");
        });
        QVERIFY(!f.Analizza());
        QCOMPARE(C<QTableWidget>(f, "GrigliaDettaglio")->rowCount(), 0);
        QCOMPARE(f.Esito().Concorsi, 0);
    }
};

QTEST_MAIN(TestTFrmSpoglioStorico)
#include "TestTFrmSpoglioStorico.moc"
