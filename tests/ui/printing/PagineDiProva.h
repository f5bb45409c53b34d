#pragma once
// Printouts drawn on pictures in memory, examined pixel by pixel, and the
// substitute surface the print windows draw on while a test runs.

#include <QtGui>
#include <QtPrintSupport>
#include <memory>

#include "core/printing/StampaSchedine.h"
#include "core/printing/TmmPrinter.h"
#include "ui/printing/SuperficieStampa.h"

// A slip-sized sheet at 300 pixels per inch.
inline constexpr int PuntiProva = 300;
inline const QSizeF FoglioProva(120, 150);

// The pixel the millimetre printer puts at (x, y) mm.
inline bool NeroA(const QImage& pagina, double xMm, double yMm, int dpi = PuntiProva) {
    const ludo::TmmPrinter mm(dpi, dpi);
    return qGray(pagina.pixel(mm.PixelX(xMm), mm.PixelY(yMm))) < 128;
}

// A rule drawn across (x, y) mm: a dark pixel within one pixel of it, up
// or down (a pen centred on the line's coordinate falls on either side).
inline bool LineaA(const QImage& pagina, double xMm, double yMm, int dpi = PuntiProva) {
    const ludo::TmmPrinter mm(dpi, dpi);
    const int x = mm.PixelX(xMm);
    const int y = mm.PixelY(yMm);
    for (int dy = -1; dy <= 1; ++dy) {
        if (qGray(pagina.pixel(x, y + dy)) < 128) return true;
    }
    return false;
}

// Whether the box of a number is filled at its centre.
inline bool Segnato(const QImage& pagina, const ludo::Quadratino& q, int dpi = PuntiProva) {
    return NeroA(pagina, (q.area.x1 + q.area.x2) / 2, (q.area.y1 + q.area.y2) / 2, dpi);
}

// The columns a slip page shows filled, position by position, looking at
// the box of the given number.
inline int PosizioniSegnate(const QImage& pagina, int numero, const ludo::SlipGeometry& g, int tipo) {
    int segnate = 0;
    for (int n = 0; n < ludo::SlipPrintSettings::MaxColonnePerSchedina; ++n) {
        const auto q = ludo::QuadratiniColonna(ludo::Colonna{1} << (numero - 1), n, g, tipo);
        if (Segnato(pagina, q.front())) ++segnate;
    }
    return segnate;
}

// The boxes of six columns holding every number that a slip page shows filled.
inline int QuadratiniSegnati(const QImage& pagina, const ludo::SlipGeometry& g, int tipo) {
    int segnati = 0;
    for (int n = 0; n < 6; ++n) {
        for (const auto& q : ludo::QuadratiniColonna(~ludo::Colonna{0}, n, g, tipo))
            segnati += Segnato(pagina, q) ? 1 : 0;
    }
    return segnati;
}

// Dark pixels inside a rectangle of pixels.
inline int PixelScuri(const QImage& pagina, const QRect& area) {
    int scuri = 0;
    const QRect r = area.intersected(pagina.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (qGray(pagina.pixel(x, y)) < 128) ++scuri;
        }
    }
    return scuri;
}

// Dark pixels across the page between two heights in mm.
inline int ScuriTra(const QImage& pagina, double daMm, double aMm, int dpi = PuntiProva) {
    const ludo::TmmPrinter mm(dpi, dpi);
    return PixelScuri(pagina,
                      QRect(0, mm.PixelY(daMm), pagina.width(), mm.PixelY(aMm) - mm.PixelY(daMm)));
}

// While it lives, print jobs and previews draw on its pictures.
class StampaSuImmagini {
public:
    explicit StampaSuImmagini(int dpi = PuntiProva, QSizeF foglio = FoglioProva)
        : superficie(std::make_unique<SuperficieImmagini>(dpi, foglio)) {
        SuperficieSostitutiva = [this] { return superficie.get(); };
    }
    ~StampaSuImmagini() { SuperficieSostitutiva = nullptr; }
    StampaSuImmagini(const StampaSuImmagini&) = delete;
    StampaSuImmagini& operator=(const StampaSuImmagini&) = delete;

    [[nodiscard]] const std::vector<QImage>& Pagine() const { return superficie->Pagine(); }

    std::unique_ptr<SuperficieImmagini> superficie;
};

// While it lives the program's printer writes PDF files.
class StampaSuPdf {
public:
    StampaSuPdf() : formato_(StampanteProgramma().outputFormat()) {
        StampanteProgramma().setOutputFormat(QPrinter::PdfFormat);
    }
    ~StampaSuPdf() { StampanteProgramma().setOutputFormat(formato_); }
    StampaSuPdf(const StampaSuPdf&) = delete;
    StampaSuPdf& operator=(const StampaSuPdf&) = delete;

private:
    QPrinter::OutputFormat formato_;
};
