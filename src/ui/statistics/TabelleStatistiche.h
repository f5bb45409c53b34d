#pragma once
// What the statistics windows share beside the chart: read-only grids
// filled from the texts the core formats, the exclusive pairs of buttons
// ("%"/"Valori", "Pres."/"Cons.") and the printout of their tables.

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/printing/TmmPrinterQt.h"

inline constexpr char MsgImpossibileStampareTabelle[] = "Impossibile Stampare Le Tabelle";
inline constexpr char MsgImpossibileStampareDati[] = "Impossibile stampare i dati.";

class QAbstractButton;
class QTableWidget;
class QWidget;

// Headings and rows of texts; the grid cannot be edited and its columns
// fit their contents.
void RiempiTabella(QTableWidget& tabella, const QStringList& intestazioni,
                   const std::vector<QStringList>& righe);

// Cells of a row worth a look (a value the condition accepts, a score
// whose IC says it is due) stand out in bold on a tint.
void EvidenziaCelle(QTableWidget& tabella, int riga, int primaColonna, int colonne);

template <std::size_t N>
QStringList Riga(const std::array<std::string, N>& celle) {
    QStringList riga;
    for (const std::string& c : celle) riga << QString::fromStdString(c);
    return riga;
}

// Checkable buttons of which exactly one is down (the first, unless another
// already is); cambiato runs after a click that changed which.
void GruppoEsclusivo(std::initializer_list<QAbstractButton*> pulsanti,
                     const std::function<void()>& cambiato);

// The grid as the printout shows it: its heading row first (the headings
// given, or those of the screen), then its rows.
ludo::GrigliaDaStampare GrigliaConIntestazioni(const QTableWidget& tabella,
                                               const QStringList& intestazioni = {});

// The tables in one printout through the program's printer (or into a PDF
// file whose name is asked, proposing nomeFile). False when nothing was
// printed: the user gave up or the printer failed (and was told so with
// messaggio).
bool StampaTabelleFinestra(QWidget* finestra, const std::vector<TabellaDaStampare>& tabelle,
                           const char* messaggio, const QString& nomeFile);
