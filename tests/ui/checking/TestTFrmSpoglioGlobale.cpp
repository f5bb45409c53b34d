#include <QtTest>
#include <QtWidgets>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "../engine/SistemaDiProva.h"
#include "../printing/PagineDiProva.h"
#include "core/checking/SpoglioGlobale.h"
#include "ui/checking/TFrmSpoglioGlobale.h"

namespace {

constexpr int Concorso = 5;
const ludo::Colonna kVincente = Numeri({1, 2, 3, 4, 5, 6, 7, 8});

// Two slips, an integral of ten numbers and nine reduced systems, the i-th
// holding i columns of 7 points and one of 8 when i is even; saved in the
// program folder and read back as the play archive window reads them.
ludo::TArchivioGiocate Giocate(const std::filesystem::path& cartella) {
    ludo::TArchivioGiocate g(Concorso);
    g.AggiungiSchedina({kVincente, Numeri({1, 2, 3, 4, 5, 6, 7, 9}), 0, 0, 0, 0});
    g.AggiungiSchedina({Numeri({1, 2, 3, 4, 5, 6, 10, 11}), 0, 0, 0, 0, 0});
    g.AggiungiIntegrale(Numeri({1, 2, 3, 4, 5, 6, 7, 8, 20, 21}));
    for (int i = 0; i < 9; ++i) {
        ludo::ListaColonne l;
        for (int j = 0; j < i; ++j)
            l.Aggiungi(Numeri({1, 2, 3, 4, 5, 6, 7}) | (ludo::Colonna{1} << (10 + j)));
        if (i % 2 == 0) l.Aggiungi(kVincente);
        g.AggiungiSistema(10 + i, l, {45000.0 + i, 0.5});
    }
    g.Salva(cartella);
    ludo::TArchivioGiocate letto(Concorso);
    if (!letto.Carica(cartella)) qFatal("plays not read back");
    return letto;
}

QString N(const QJsonValue& v, int k) { return QString::number(v.toArray()[k].toInt()); }

}  // namespace

class TestTFrmSpoglioGlobale : public QObject {
    Q_OBJECT
  private slots:
    // The wins are those of the command line; "Stampa" prints both tables.
    void winsAreThoseOfTheCommandLineAndArePrinted() {
        SistemaDiProva p;
        auto giocate = Giocate(p.Cartella());
        const auto cli = p.Json({"giocate", "5", "--vincente", "1 2 3 4 5 6 7 8"});
        TFrmSpoglioGlobale f(giocate, Concorso);
        f.show();
        QCOMPARE(TestoDi(f, "LabelVincente"), QStringLiteral("Colonna vincente del concorso Nº 5"));
        QCOMPARE(TestoDi(f, "LabelRiepilogo"),
                 QStringLiteral("Riepilogo delle vincite del concorso Nº 5"));
        ClicNumeri(f, kVincente);

        auto* riepilogo = C<QTableWidget>(f, "GrigliaRiepilogo");
        const char* chiavi[] = {"punti_schedine", "punti_integrali", "punti_sistemi"};
        const QString giocateCli[] = {QString::number(cli["schedine"].toInt()),
                                      QString::number(cli["integrali"].toInt()),
                                      QString::number(cli["sistemi"].toArray().size())};
        for (int r = 0; r < 3; ++r) {
            const QJsonValue punti = cli[QLatin1String(chiavi[r])];
            QCOMPARE(RigaDi(*riepilogo, r, 5).mid(1),
                     (QStringList{giocateCli[r], N(punti, 8), N(punti, 7), N(punti, 6)}));
        }
        QCOMPARE(RigaDi(*riepilogo, 3, 5),
                 (QStringList{"  Totale Vincite", "12", "7", "53", "29"}));

        // Seven systems at a time: the scroll bar reaches the ninth.
        auto* sistemi = C<QTableWidget>(f, "GrigliaSistemi");
        auto* barra = C<QScrollBar>(f, "ScrollSistemi");
        QCOMPARE(barra->maximum(), 2);
        const QJsonArray sistemiCli = cli["sistemi"].toArray();
        auto controlla = [&](int riga, int sistema) {
            const QJsonObject s = sistemiCli[sistema].toObject();
            QCOMPARE(
                RigaDi(*sistemi, riga, 7),
                (QStringList{QString::number(s["numeri"].toInt()),
                             QString::number(s["colonne"].toInt()),
                             QString::fromStdString(ludo::TestoData(s["data"].toDouble())),
                             "12:00:00", N(s["punti"], 8), N(s["punti"], 7), N(s["punti"], 6)}));
        };
        controlla(0, 0);
        barra->setValue(2);
        controlla(6, 8);

        // A ninth number is refused and the last check stays.
        QCOMPARE(MessaggiDi([&] { ClicNumeri(f, Numeri({9})); }),
                 QStringList{QString::fromUtf8(ludo::MsgPiuDiOttoNumeriGlobale)});
        QCOMPARE(RigaDi(*riepilogo, 3, 5)[2], QStringLiteral("7"));

        StampaSuImmagini stampa(PuntiProva, FoglioProva);
        QVERIFY(MessaggiDi([&] { Clic(f, "StampaBtn"); }).isEmpty());
        QCOMPARE(stampa.superficie->Documenti(), 1);
        QCOMPARE(stampa.Pagine().size(), std::size_t{1});
        stampa.superficie->guasto = true;
        QCOMPARE(MessaggiDi([&] { Clic(f, "StampaBtn"); }),
                 QStringList{QString::fromUtf8(ludo::MsgImpossibileStampareDati)});
    }
};

QTEST_MAIN(TestTFrmSpoglioGlobale)
#include "TestTFrmSpoglioGlobale.moc"
