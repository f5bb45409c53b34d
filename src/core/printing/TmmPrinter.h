#pragma once
// The millimetre printer: every printout is laid out in millimetres and
// turned into printer pixels at the printer's own resolution. This is the
// arithmetic of it; the window layer owns the device and draws what these
// functions place.

#include <string>

namespace ludo {

// A rectangle from corner (x1, y1) to corner (x2, y2), in the unit of the
// function that made it.
struct Rettangolo {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;

    bool operator==(const Rettangolo&) const = default;
};

// A pixel of the printer page.
struct Pixel {
    int x = 0;
    int y = 0;

    bool operator==(const Pixel&) const = default;
};

// A rectangle of printer pixels, corner to corner.
struct AreaPixel {
    Pixel da;
    Pixel a;

    bool operator==(const AreaPixel&) const = default;
};

// Millimetres to inches with the printer's own factor (not 1 / 25.4).
inline constexpr double PolliciPerMillimetro = 0.03937;

// "Pagina Nº " and the page number, at the foot of every page.
inline constexpr char TestoPagina[] = "Pagina Nº ";

class TmmPrinter {
  public:
    // The resolution in pixels per inch across and down the page, as the
    // device reports it (a device that reports none counts as 1).
    TmmPrinter(int risoluzioneX, int risoluzioneY)
        : risoluzioneX_(risoluzioneX > 0 ? risoluzioneX : 1),
          risoluzioneY_(risoluzioneY > 0 ? risoluzioneY : 1) {}

    [[nodiscard]] int RisoluzioneX() const { return risoluzioneX_; }
    [[nodiscard]] int RisoluzioneY() const { return risoluzioneY_; }

    // Truncated toward zero: 10 mm at 600 pixels per inch is 236 pixels.
    [[nodiscard]] int PixelX(double mm) const;
    [[nodiscard]] int PixelY(double mm) const;
    [[nodiscard]] Pixel PixelDi(double xMm, double yMm) const { return {PixelX(xMm), PixelY(yMm)}; }
    // The inverse, without rounding.
    [[nodiscard]] double MmX(int pixel) const;
    [[nodiscard]] double MmY(int pixel) const;

    // A rectangle in millimetres on the page, each corner converted on its
    // own (so two boxes the same size may differ by a pixel).
    [[nodiscard]] AreaPixel AreaDi(const Rettangolo& mm) const {
        return {PixelDi(mm.x1, mm.y1), PixelDi(mm.x2, mm.y2)};
    }

    // The font size of rotated text drawn with the given size basis: the
    // basis scaled to the horizontal resolution (basis 36 at 600 pixels per
    // inch gives 60).
    [[nodiscard]] int DimensioneRuotata(int base) const { return base * risoluzioneX_ / 360; }

    // The page counter: BeginDoc sets it to 1, every page footer printed by
    // a new page or by the end of the document moves it on by one.
    void BeginDoc() { pagina_ = 1; }
    [[nodiscard]] int Pagina() const { return pagina_; }
    // The footer of the current page; the counter then moves on.
    std::string PiePagina();

  private:
    int risoluzioneX_;
    int risoluzioneY_;
    int pagina_ = 1;
};

// Rotated text is drawn into an image and copied pixel by pixel so that it
// reads from bottom to top: pixel (x, y) of the image lands on printer pixel
// (X0 + y, Y0 - x), where (X0, Y0) is the target point.
inline Pixel PixelRuotato(Pixel immagine, Pixel destinazione) {
    return {destinazione.x + immagine.y, destinazione.y - immagine.x};
}

// Where a text of the given width starts to stand centred across a page of
// the given width (both in millimetres).
inline double XCentrata(double larghezzaPagina, double larghezzaTesto) {
    return (larghezzaPagina - larghezzaTesto) / 2;
}

// The top of the page footer: its text ends 1 mm above the foot of the page.
inline double YPiePagina(double altezzaPagina, double altezzaTesto) {
    return altezzaPagina - 1.0 - altezzaTesto;
}

}  // namespace ludo
