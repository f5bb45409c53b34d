#pragma once
// The statistics of a condition over the contest archive ("Archivio") and
// over the developed columns ("Analisi"), as every condition editor offers
// them. The statistics windows install the opening at start-up; until
// they do, the editors keep the two buttons disabled.

#include <functional>

class QWidget;

namespace ludo {
class TCondizione;
class TQuadro;
}  // namespace ludo

enum class FonteStatistiche { Archivio, Colonne };

// What the editor hands over: the condition as shown (the window's copy,
// with the edits made so far), where the statistics come from, and the
// page of the editor (the position, run length, … shown; 1 otherwise).
struct RichiestaStatistiche {
    const ludo::TCondizione& condizione;
    FonteStatistiche fonte;
    int pagina;
};

using AperturaStatistiche =
    std::function<void(const RichiestaStatistiche& richiesta, QWidget* editor)>;

// Installs (or, with an empty function, removes) the opening.
void ImpostaAperturaStatistiche(AperturaStatistiche apertura);
[[nodiscard]] bool StatisticheDisponibili();
// Opens the statistics; nothing happens while none is installed.
void ApriStatistiche(const RichiestaStatistiche& richiesta, QWidget* editor);

// The fixed-number search of the board window ("Cerca Fisse"), which can
// append a stretch of its ranking to the board as filter columns; the
// statistics windows install it with the rest.
using AperturaCercaFisse = std::function<void(ludo::TQuadro& quadro, QWidget* finestra)>;

void ImpostaAperturaCercaFisse(AperturaCercaFisse apertura);
[[nodiscard]] bool CercaFisseDisponibile();
void ApriCercaFisse(ludo::TQuadro& quadro, QWidget* finestra);
