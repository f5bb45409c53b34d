#pragma once
// What the "Archivio" and "Analisi " buttons of a condition editor (and of
// the board) open for the condition shown: its historical analysis or its
// columnar analysis, whose data set is built on a worker thread behind the
// progress window. A cancelled build opens nothing.

class QWidget;
struct RichiestaStatistiche;

namespace ludo {
class T_Sistema;
}

void ApriAnalisiCondizione(const RichiestaStatistiche& richiesta, ludo::T_Sistema& sistema,
                           QWidget* editor);

// Makes the editors open the analyses over this system; until the returned
// guard goes the opening stays installed.
class AnalisiCondizioniInstallate {
  public:
    explicit AnalisiCondizioniInstallate(ludo::T_Sistema& sistema);
    ~AnalisiCondizioniInstallate();
    AnalisiCondizioniInstallate(const AnalisiCondizioniInstallate&) = delete;
    AnalisiCondizioniInstallate& operator=(const AnalisiCondizioniInstallate&) = delete;
};
