#pragma once
// What the tests of the condition editors share: the conditions to open,
// the points controls of each editor and the typing of an interval.

#include <QtTest>
#include <QtWidgets>
#include <map>
#include <sstream>
#include <string>

#include "../controls/ControlliDiProva.h"
#include "core/conditions/TCondizioniSistema.h"
#include "core/conditions/TGruppo.h"
#include "core/io/BinaryWriter.h"
#include "ui/conditions/Modifica.h"
#include "ui/conditions/TFrmCondizione.h"

namespace prova {

// The record of a condition, members included: equal records, equal conditions.
inline std::string Record(const ludo::TCondizione& c) {
    std::ostringstream out(std::ios::binary);
    ludo::io::BinaryWriter w(out);
    c.Salva(w);
    return out.str();
}

// Types an interval in "Min" and "Max" and presses "Inserisci" (or Enter).
inline void Inserisci(QWidget& f, const QString& min, const QString& max, bool invio = false) {
    Digita(C<QLineEdit>(f, "EditMin"), min);
    Digita(C<QLineEdit>(f, "EditMax"), max);
    if (invio) {
        QTest::keyClick(C<QLineEdit>(f, "EditMax"), Qt::Key_Return);
    } else {
        Clic(f, "InserisciBtn");
    }
}

// The window of a condition, open on the screen.
inline std::unique_ptr<TFrmCondizione> Apri(ludo::TCondizione& c) {
    auto f = CreaEditor(c, nullptr);
    Mostra(*f);
    return f;
}

// The type codes whose editors exist: each single code, then each group code.
inline const std::vector<std::uint8_t>& CodiciConEditor() {
    static const std::vector<std::uint8_t> codici = {1,  2,  3,  4,  5,  6,  7,  8,  9,
                                                     10, 11, 12, 13, 14, 15, 16, 17, 18,
                                                     20, 34, 35, 36, 37, 38, 39, 40};
    return codici;
}

// The points controls of each editor, in the order of the condition's tables.
inline const std::map<std::uint8_t, std::vector<const char*>> kPunti = {
    {ludo::CodPariDispari, {"PtPari", "PtDispari"}},
    {ludo::CodConsecutivita, {"PtSegni", "PtConsecutivita"}},
    {ludo::CodDistanzeGlobali, {"PtMinima", "PtMassima", "PtTotale"}},
    {ludo::CodDistanzaSpecifica, {"PtDistanza"}},
    {ludo::CodBaricentri, {"PtTutti", "PtPari", "PtDispari"}},
    {ludo::CodResti, {"PtResto"}},
    {ludo::CodConsecutivitaNumerica, {"PtConsecutivita"}},
    {ludo::CodColonnaFiltro, {"PtPunti"}},
    {ludo::CodInterruzioni, {"PtGlobali", "PtPari", "PtDispari"}},
    {ludo::CodSimmetrie, {"PtDirette", "PtInverse", "PtTotali"}},
    {ludo::CodRipetizioni, {"Pt1Prec", "Pt2Prec"}},
    {ludo::CodVortice, {"PtPosizioneD", "PtBracciD", "PtPosizioneI", "PtBracciI"}},
    {ludo::CodSequela, {"PtPresenze"}},
};

// The editors of intervals rather than of values ("Picchetti", "Somme",
// "Punti Tra", groups and single ones).
inline bool EditoreAIntervalli(std::uint8_t codice) {
    return codice == 9 || codice == 10 || codice == 20 || codice == 36 || codice == 40;
}

}  // namespace prova
