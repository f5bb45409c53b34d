// What each condition editor edits: every points control its own table of
// the condition and nothing else, the window's own controls their fields,
// and "Annulla" nothing at all.
#include <QtTest>
#include <QtWidgets>
#include <map>

#include "ProveEditori.h"
#include "core/conditions/CondizioniNumeriche.h"
#include "ui/controls/TPronostico.h"

using namespace prova;

namespace {

// The editors with one control for several tables: the buttons choosing them.
const std::map<std::uint8_t, std::vector<const char*>> kPagine = {
    {ludo::CodPosizioni,
     {"SpeedPos1", "SpeedPos2", "SpeedPos3", "SpeedPos4", "SpeedPos5", "SpeedPos6", "SpeedPos7",
      "SpeedPos8"}},
    {ludo::CodNumeroSequenze, {"SpeedSeq1", "SpeedSeq2", "SpeedSeq3", "SpeedSeq4"}},
};

// Clicks value 1 on the page of a points control, "Pnt." or "Con.".
void Segna(TGGraphpt& punti, bool consecutivita) {
    auto* pagina = punti.findChild<QToolButton*>(consecutivita ? QStringLiteral("BtnCon")
                                                               : QStringLiteral("BtnPnt"));
    if (pagina->isVisible()) QTest::mouseClick(pagina, Qt::LeftButton);
    Clicca(punti, 1);
}

// The tables of the condition as they stand.
std::vector<ludo::TMisura> Tabelle(const ludo::TCondizione& c) {
    std::vector<ludo::TMisura> t;
    const_cast<ludo::TCondizione&>(c).PerOgniMisura([&](ludo::TMisura& m) { t.push_back(m); });
    return t;
}

// Only table `tabella` has changed: value 1 accepted in its first or second list.
void VerificaSoloTabella(const std::vector<ludo::TMisura>& prima, const ludo::TCondizione& dopo,
                         std::size_t tabella, bool consecutivita, const QString& dove) {
    const std::vector<ludo::TMisura> ora = Tabelle(dopo);
    QCOMPARE(ora.size(), prima.size());
    for (std::size_t i = 0; i < ora.size(); ++i) {
        if (i != tabella) {
            QVERIFY2(ora[i].Prima.Voci == prima[i].Prima.Voci &&
                         ora[i].Seconda.Voci == prima[i].Seconda.Voci,
                     qPrintable(dove + QStringLiteral(": tabella %1 cambiata").arg(i)));
            continue;
        }
        const ludo::TabellaMisura& cambiata = consecutivita ? ora[i].Seconda : ora[i].Prima;
        const ludo::TabellaMisura& ferma = consecutivita ? ora[i].Prima : ora[i].Seconda;
        QVERIFY2(cambiata.Voce(1).Stato == ludo::Accettato, qPrintable(dove));
        for (int v = 0; v <= ora[i].Massimo; ++v) {
            QVERIFY2(v == 1 || cambiata.Voce(v).Stato == ludo::Rifiutato, qPrintable(dove));
            QVERIFY2(ferma.Voce(v).Stato == ludo::Rifiutato, qPrintable(dove));
        }
    }
}

// Edits the control and presses OK, then checks the condition shown.
void ProvaControllo(ludo::TCondizione& c, const char* pagina, const char* nome, std::size_t tabella,
                    bool consecutivita) {
    const std::vector<ludo::TMisura> prima = Tabelle(c);
    auto f = Apri(c);
    if (pagina != nullptr) Clic(*f, pagina);
    auto* punti = C<TGGraphpt>(*f, nome);
    if (consecutivita && !punti->TipoCons()) return;
    Segna(*punti, consecutivita);
    Clic(*f, "OKBtn");
    const QString dove = f->objectName() + QLatin1Char('.') +
                         QString::fromLatin1(pagina != nullptr ? pagina : nome) +
                         (consecutivita ? QStringLiteral(" Con.") : QString());
    VerificaSoloTabella(prima, c, tabella, consecutivita, dove);
}

// A change in every control of the window.
void ModificaTutto(TFrmCondizione& f) {
    for (auto* punti : f.findChildren<TGGraphpt*>()) Clicca(*punti, 1);
    for (auto* spin : f.findChildren<QSpinBox*>()) {
        if (!spin->parentWidget()->inherits("TGGraphpt")) QTest::keyClick(spin, Qt::Key_Up);
    }
    for (auto* pronostico : f.findChildren<TPronostico*>())
        QTest::keyClick(pronostico, Qt::Key_Space);
    // The interval editors store only with an interval: one for the
    // condition shown, and one for the member "Aggiungi" adds.
    const bool intervalli = f.findChild<QLineEdit*>(QStringLiteral("EditMin")) != nullptr;
    if (intervalli) Inserisci(f, QStringLiteral("1"), QStringLiteral("2"));
    for (const char* nome : {"CheckFlag", "SpeedD", "Disattivato", "DisattivatoS", "AggiungiBtn"}) {
        if (auto* b = f.findChild<QAbstractButton*>(QString::fromLatin1(nome));
            b != nullptr && b->isVisible()) {
            Clic(f, nome);
        }
    }
    if (auto* formule = f.findChild<QListWidget*>(QStringLiteral("SrcList")))
        DoppioClic(*formule, 0);
    if (intervalli) Inserisci(f, QStringLiteral("3"), QStringLiteral("4"));
}

}  // namespace

class TestEditoriCondizioni : public QObject {
    Q_OBJECT
  private slots:
    void eachPointsControlEditsItsOwnTableOnly() {
        ludo::TCondizioniSistema cs;
        for (const auto& [codice, controlli] : kPunti) {
            for (std::size_t tabella = 0; tabella < controlli.size(); ++tabella) {
                for (bool consecutivita : {false, true}) {
                    auto c = ludo::CreaCondizione(codice, &cs);
                    ProvaControllo(*c, nullptr, controlli[tabella], tabella, consecutivita);
                }
            }
        }
    }

    void eachPageEditsItsOwnTableOnlyAndKeepsItsEditsWhenLeft() {
        ludo::TCondizioniSistema cs;
        for (const auto& [codice, pulsanti] : kPagine) {
            for (std::size_t tabella = 0; tabella < pulsanti.size(); ++tabella) {
                auto c = ludo::CreaCondizione(codice, &cs);
                ProvaControllo(*c, pulsanti[tabella], "PtPresenze", tabella, false);
            }
            // An edit on one page is still there after a visit to another.
            auto c = ludo::CreaCondizione(codice, &cs);
            auto f = Apri(*c);
            auto* presenze = C<TGGraphpt>(*f, "PtPresenze");
            Clic(*f, pulsanti[1]);
            Clicca(*presenze, 2);
            Clic(*f, pulsanti[0]);
            QCOMPARE(presenze->PtTotali(), TabellaCondizione(*c, 0).Massimo + 1);
            Clicca(*presenze, 1);
            Clic(*f, pulsanti[1]);
            QCOMPARE(presenze->PtTotali(), TabellaCondizione(*c, 1).Massimo + 1);
            ludo::TMisura mostrata(32, false);
            presenze->SalvaMisura(mostrata);
            QCOMPARE(mostrata.Prima.Voce(2).Stato, ludo::Accettato);
            QCOMPARE(mostrata.Prima.Voce(1).Stato, ludo::Rifiutato);
            Clic(*f, "OKBtn");
            QCOMPARE(TabellaCondizione(*c, 0).Prima.Voce(1).Stato, ludo::Accettato);
            QCOMPARE(TabellaCondizione(*c, 1).Prima.Voce(2).Stato, ludo::Accettato);
        }
    }

    void annullaChangesNothingWhateverWasEdited() {
        ludo::TCondizioniSistema cs;
        for (std::uint8_t codice : CodiciConEditor()) {
            // The same edits, kept with "OK", change the condition.
            for (const char* chiusura : {"OKBtn", "AnnullaBtn"}) {
                auto c = ludo::CreaCondizione(codice, &cs);
                if (c->Membri() != nullptr) static_cast<ludo::TGruppo&>(*c).NuovoMembro();
                const std::string prima = Record(*c);
                auto f = Apri(*c);
                ModificaTutto(*f);
                Clic(*f, chiusura);
                const bool annullata = QByteArray(chiusura) == "AnnullaBtn";
                QVERIFY2((Record(*c) == prima) == annullata,
                         qPrintable(f->objectName() + QLatin1Char(' ') + chiusura));
                QCOMPARE(f->Cambiato(), !annullata);
            }
        }
    }

    void theTwoPositionsStayInOrder() {
        ludo::TCondizioniSistema cs;
        ludo::TDistanzaSpecifica distanza(&cs);
        auto f = Apri(distanza);
        auto* prima = C<QSpinBox>(*f, "SpinPrima");
        auto* seconda = C<QSpinBox>(*f, "SpinSeconda");
        // Where each one goes is the core's rule; the boxes follow it.
        QTest::keyClick(prima, Qt::Key_Up);  // to the second: back to one below it
        QCOMPARE(prima->value(), 1);
        seconda->setValue(6);
        prima->setValue(5);
        seconda->setValue(3);  // below the first: one above it
        QCOMPARE(seconda->value(), 6);
        Clic(*f, "OKBtn");
        QCOMPARE(distanza.Posizione1, 5);
        QCOMPARE(distanza.Posizione2, 6);

        // Positions stored out of order come as they are.
        distanza.Posizione1 = 7;
        distanza.Posizione2 = 3;
        auto g = Apri(distanza);
        QCOMPARE(C<QSpinBox>(*g, "SpinPrima")->value(), 7);
        QCOMPARE(C<QSpinBox>(*g, "SpinSeconda")->value(), 3);
    }

    void theDivisorSetsTheRemaindersOffered() {
        ludo::TCondizioniSistema cs;
        ludo::TResti resti(&cs);
        auto f = Apri(resti);
        QVERIFY2(!C<QWidget>(*f, "PanelGruppo")->isVisible(), "no group to move through");
        auto* divisore = C<QSpinBox>(*f, "SpinDivisore");
        auto* punti = C<TGGraphpt>(*f, "PtResto");
        QCOMPARE(punti->PtTotali(), 8);
        divisore->setValue(13);
        QCOMPARE(punti->PtTotali(), 13);
        Clicca(*punti, 12);
        Clic(*f, "OKBtn");
        QCOMPARE(resti.Divisore, 13);
        QCOMPARE(resti.Tabelle[0].Prima.Voce(12).Stato, ludo::Accettato);
    }

    void theFilterColumnAndItsPositionFlag() {
        ludo::TCondizioniSistema cs;
        ludo::TColonnaFiltro filtro(&cs);
        filtro.Numeri = (ludo::Colonna{1} << 1) | (ludo::Colonna{1} << 20);  // 2 and 21
        auto f = Apri(filtro);
        auto* basso = C<TPronostico>(*f, "CF1_16");
        auto* alto = C<TPronostico>(*f, "CF17_32");
        QCOMPARE(basso->Colonna(), ludo::Colonna{1} << 1);
        QCOMPARE(alto->Colonna(), ludo::Colonna{1} << 20);
        Clicca(*basso, 0);  // 1 in
        Clicca(*alto, 4);   // 21 out
        Clicca(*alto, 15);  // 32 in
        Clic(*f, "CheckFlag");
        Clic(*f, "OKBtn");
        QCOMPARE(filtro.Numeri, ludo::Colonna{0b11} | (ludo::Colonna{1} << 31));
        QCOMPARE(filtro.FlagPosizione, 1);
    }

    void theSignChoosesTheParity() {
        ludo::TCondizioniSistema cs;
        ludo::TConsecutivita segni(&cs);
        // Each opening shows the parity stored, then the other one is chosen.
        for (const auto& [mostrato, scelto, parita] :
             {std::tuple{"SpeedP", "SpeedD", 0}, std::tuple{"SpeedD", "SpeedP", 1}}) {
            auto f = Apri(segni);
            QVERIFY(C<QToolButton>(*f, mostrato)->isChecked());
            Clic(*f, scelto);
            Clic(*f, "OKBtn");
            QCOMPARE(segni.Parita, parita);
        }
    }

    void formulasMoveBetweenTheListsInTheirOrder() {
        ludo::TCondizioniSistema cs;
        ludo::TFormuleDerivate fd(&cs);
        fd.Formule[8] = true;
        auto f = Apri(fd);
        auto* non = C<QListWidget>(*f, "SrcList");
        auto* accettate = C<QListWidget>(*f, "DstList");
        QCOMPARE(VociDi(*accettate), QStringList{"8-0"});
        QCOMPARE(VociDi(*non),
                 (QStringList{"0-8", "1-7", "2-6", "3-5", "4-4", "5-3", "6-2", "7-1"}));
        // "4-4" with the button, "3-5" with a double click: they go in order.
        non->setCurrentRow(4);
        Clic(*f, "AccettaBtn");
        DoppioClic(*non, 3);
        QCOMPARE(VociDi(*accettate), (QStringList{"3-5", "4-4", "8-0"}));
        accettate->setCurrentRow(2);
        Clic(*f, "RifiutaBtn");
        QCOMPARE(non->item(non->count() - 1)->text(), QStringLiteral("8-0"));
        Clic(*f, "OKBtn");
        QCOMPARE(fd.Formule, (std::array<bool, 9>{false, false, false, true, true, false, false,
                                                  false, false}));
    }
};

QTEST_MAIN(TestEditoriCondizioni)
#include "TestEditoriCondizioni.moc"
