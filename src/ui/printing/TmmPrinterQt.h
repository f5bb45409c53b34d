#pragma once
// The millimetre printer on a drawing surface: text, rotated text, centred
// text, filled boxes and the ruled grid of a window's table, all placed in
// millimetres and converted at the device's own resolution, with the page
// footer "Pagina Nº " on every page of a table printout.

#include <QFont>
#include <QString>
#include <vector>

#include "core/printing/Tabulato.h"
#include "core/printing/TmmPrinter.h"

class QTableWidget;
class SuperficieStampa;

class TmmPrinter : public ludo::TmmPrinter {
public:
    explicit TmmPrinter(SuperficieStampa& superficie);

    QPainter& Canvas();
    [[nodiscard]] SuperficieStampa& Superficie() const { return superficie_; }

    // The document with page footers: BeginDoc sets the page counter to 1;
    // NewPage and EndDoc first print the footer of the page they close
    // (EndDoc in the title font). Each throws Errore(messaggio) when the
    // device fails.
    void BeginDoc(const char* messaggio);
    void NewPage(const char* messaggio);
    void EndDoc();

    // The bare document, without footers (slips).
    void Inizia(const char* messaggio);
    void NuovaPagina(const char* messaggio);
    void Fine();

    [[nodiscard]] double LarghezzaPagina() const;
    [[nodiscard]] double AltezzaPagina() const;
    [[nodiscard]] double LarghezzaTesto(const QString& testo);
    [[nodiscard]] double AltezzaTesto(const QString& testo);

    // The text's top-left corner at (x, y) mm, in the canvas font.
    void Testo(double x, double y, const QString& testo);
    // The text reading from bottom to top from (x, y) mm, its top toward
    // the left, in the canvas font at the size basis scaled to the
    // resolution (as a screen picture of that size copied pixel by pixel).
    void TestoRuotato(double x, double y, const QString& testo, int base);
    // The text centred across the page at y mm.
    void TestoCentrato(const QString& testo, double y);
    // A box filled black, each corner converted on its own.
    void Riempi(const ludo::Rettangolo& mm);

    // Rows primaRiga.. and columns primaColonna.. of the grid as ruled
    // cells with a black pen of width 2 on white.
    void Griglia(const ludo::GrigliaDaStampare& griglia, int primaColonna, int numeroRighe,
                 int numeroColonne, int primaRiga, double scala, double alto, double sinistra);
    void GrigliaIntera(const ludo::GrigliaDaStampare& griglia, double scala, double alto,
                       double sinistra);
    // Cells already placed in millimetres, ruled as the grid's.
    void Celle(const std::vector<ludo::CellaGriglia>& celle);

    // The font of titles and of the last page footer.
    QFont FontTitolo;

private:
    void Piede(const QFont& font);
    [[nodiscard]] QPoint Punto(double x, double y) const;
    SuperficieStampa& superficie_;
};

// The texts and sizes of a window's table as the screen shows them.
ludo::GrigliaDaStampare GrigliaDi(const QTableWidget& tabella);

// The usual printout of a window's table: the title centred at 5 mm in the
// title font, then 63 rows a page at 15 mm from the top and 60 mm from the
// left, later pages repeating the heading row at 9.92 mm; a failure throws
// Errore(messaggio).
void StampaTabella(SuperficieStampa& superficie, const QString& titolo,
                   const ludo::GrigliaDaStampare& griglia, const QFont& fontTitolo,
                   const QFont& fontTabella,
                   const char* messaggio = ludo::MsgImpossibileStampareTabella);

// Several tables in one document, each from a new page under its title,
// laid out as StampaTabella lays out one.
struct TabellaDaStampare {
    QString titolo;
    ludo::GrigliaDaStampare griglia;
};
void StampaTabelle(SuperficieStampa& superficie, const std::vector<TabellaDaStampare>& tabelle,
                   const QFont& fontTitolo, const QFont& fontTabella,
                   const char* messaggio = ludo::MsgImpossibileStampareTabella);
