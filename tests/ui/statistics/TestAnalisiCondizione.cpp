// The historical and the columnar analysis of a condition, opened from its
// editor on the demo archive and the typical system: what they show is
// what ludomatic-cli analisi prints, the buttons switch the right series,
// and a stopped run opens nothing.
#include <QtCharts>
#include <QtTest>
#include <QtWidgets>
#include <cmath>

#include "../controls/ControlliDiProva.h"
#include "../controls/RispostaMessaggio.h"
#include "DemoDiProva.h"
#include "ui/conditions/Modifica.h"
#include "ui/conditions/TFrmCondizione.h"
#include "ui/controls/TFrmProgresso.h"
#include "ui/controls/TGTortaQuota.h"
#include "ui/statistics/AperturaAnalisi.h"
#include "ui/statistics/GraficoAnalisi.h"
#include "ui/statistics/TFrmAnalisiColonnare.h"
#include "ui/statistics/TFrmAnalisiStorica.h"

namespace {

using Serie = QList<QList<qreal>>;

Serie SerieDi(const QWidget& f) {
    Serie serie;
    for (QBarSet* s : C<GraficoAnalisi>(f, "Grafico")->Barre()->barSets()) {
        QList<qreal> valori;
        for (int i = 0; i < s->count(); ++i) valori << s->at(i);
        serie << valori;
    }
    return serie;
}

QJsonArray Righe(const QJsonObject& analisi, int vista) {
    return analisi["viste"][vista]["righe"].toArray();
}

// One field of every row, as the points or the runs statistic reads it.
QList<qreal> Colonna(const QJsonArray& righe, const char* statistica, const char* campo) {
    QList<qreal> valori;
    for (const auto& r : righe)
        valori << r[QLatin1String(statistica)][QLatin1String(campo)].toDouble();
    return valori;
}

// What a window showed, read before it was closed.
struct Visto {
    Serie percentuali, valori, cons;
    QStringList celle;
    QList<bool> accettati;
    double quota = -1;
    QString convenienza;
};

}  // namespace

class TestAnalisiCondizione : public QObject {
    Q_OBJECT

    // Opens the editor of the slot and clicks one of its statistics buttons;
    // leggi reads the window of type T that opens, then it is closed.
    template <class T>
    void ApriDallEditor(DemoDiProva& p, int slot, const char* pulsante,
                        const std::function<void(T&)>& leggi) {
        AnalisiCondizioniInstallate installate(*p.sistema);
        auto editor = CreaEditor(p.d().Condizioni.Condizione(slot), nullptr);
        editor->show();
        QuandoSiApre<T>([&](T& f) {
            leggi(f);
            Clic(f, "ChiudiBtn");
        });
        Clic(*editor, pulsante);
    }

  private slots:
    // The historical and the columnar analysis of the same condition.
    void theHistoricalAndColumnarChartsAndTablesAreTheCliFigures() {
        DemoDiProva p;
        const QJsonObject cli = p.Json({"analisi", p.FileSistema().string(), "--condizione", "1"});
        const QJsonArray pari = Righe(cli, 0);
        Visto v;
        ApriDallEditor<TFrmAnalisiStorica>(p, 1, "ArchivioBtn", [&](TFrmAnalisiStorica& f) {
            v.percentuali = SerieDi(f);
            Clic(f, "ValoriBtn");
            v.valori = SerieDi(f);
            Clic(f, "ConsBtn");
            v.cons = SerieDi(f);
            for (int r = 0; r < pari.size(); ++r) {
                const QStringList fr = RigaDi(*C<QTableWidget>(f, "TabellaFrequenze"), r);
                const QStringList ri = RigaDi(*C<QTableWidget>(f, "TabellaRitardi"), r);
                v.celle << QStringList{fr[1], fr[2], ri[1], ri[3]}.join(QLatin1Char('|'));
            }
        });
        QCOMPARE(v.valori.size(), 2);  // "Pari" and "Dispari"
        QCOMPARE(v.valori[0], Colonna(pari, "punti", "frequenza"));
        QCOMPARE(v.valori[1], Colonna(Righe(cli, 1), "punti", "frequenza"));
        QCOMPARE(v.cons.size(), 2);
        QCOMPARE(v.cons[0], Colonna(pari, "cons", "frequenza"));
        const double concorsi = cli["viste"][0]["concorsi"].toDouble();
        QVERIFY(concorsi > 400);
        for (int r = 0; r < pari.size(); ++r) {
            QVERIFY(std::abs(v.percentuali[0][r] - v.valori[0][r] / concorsi * 100) < 1e-9);
            const QJsonValue riga = pari[r];
            const QString ic = riga["ic"].toString();
            const QString att =
                ic.isEmpty() ? QString() : QString::number(riga["punti"]["ritardo"].toInt());
            // The table was last filled in "Valori".
            QCOMPARE(v.celle[r], QStringLiteral("%1|%2|%3|%4")
                                     .arg(riga["punti"]["frequenza"].toInt())
                                     .arg(riga["cons"]["frequenza"].toInt())
                                     .arg(att, ic));
        }

        // "Annulla" on the progress of a columnar run: no window, no message.
        {
            RispostaMessaggio messaggi;
            QuandoSiApre<TFrmProgresso>([](TFrmProgresso& f) { Clic(f, "Annulla"); });
            AnalisiCondizioniInstallate installate(*p.sistema);
            auto editor = CreaEditor(p.d().Condizioni.Condizione(1), nullptr);
            editor->show();
            QVERIFY(!SiApre<TFrmAnalisiColonnare>([&] { Clic(*editor, "AnalisiBtn"); }));
            QVERIFY(messaggi.testi.isEmpty());
        }
        const QJsonValue vista = cli["viste"][0];
        Visto w;
        ApriDallEditor<TFrmAnalisiColonnare>(p, 1, "AnalisiBtn", [&](TFrmAnalisiColonnare& f) {
            Clic(f, "ValoriBtn");
            w.valori = SerieDi(f);
            Clic(f, "ConsBtn");
            w.cons = SerieDi(f);
            for (int r = 0; r < pari.size(); ++r)
                w.celle
                    << RigaDi(*C<QTableWidget>(f, "Tabella"), r, 4).mid(1).join(QLatin1Char('|'));
            Clic(f, "PresBtn");
            for (int r = 0; r < pari.size(); ++r)
                w.accettati << C<QTableWidget>(f, "Tabella")->item(r, 1)->font().bold();
            w.quota = C<TGTortaQuota>(f, "TortaFiltrate")->Quota();
            w.convenienza = TestoDi(f, "Convenienza");
        });
        const bool tenute = vista["mostra_tenute"].toBool();
        QCOMPARE(w.valori.size(), tenute ? 3 : 2);
        QCOMPARE(w.valori[0], Colonna(pari, "punti", "integrale"));
        QCOMPARE(w.valori[1], Colonna(pari, "punti", "singola"));
        if (tenute) QCOMPARE(w.valori[2], Colonna(pari, "punti", "tenute"));
        QCOMPARE(w.cons[0], Colonna(pari, "cons", "integrale"));
        QCOMPARE(w.cons[1], Colonna(pari, "cons", "singola"));
        for (int r = 0; r < pari.size(); ++r) {
            const QJsonValue c = pari[r]["cons"];
            QCOMPARE(w.celle[r],
                     QStringLiteral("%1|%2|%3")
                         .arg(c["integrale"].toInt())
                         .arg(c["singola"].toInt())
                         .arg(tenute ? QString::number(c["tenute"].toInt()) : QString()));
        }
        // The values the condition accepts stand out: those it alone keeps.
        for (int r = 0; r < pari.size(); ++r)
            QCOMPARE(w.accettati[r], Colonna(pari, "punti", "singola")[r] > 0);
        QVERIFY(std::abs(w.quota - vista["pannelli"]["colonne_filtrate"].toDouble()) < 1e-9);
        QCOMPARE(w.convenienza, vista["pannelli"]["etichetta"].toString());
    }
};

QTEST_MAIN(TestAnalisiCondizione)
#include "TestAnalisiCondizione.moc"
