#pragma once
// Where a printout is drawn, page by page: a printer or a PDF file through
// Qt's paged devices, or pictures in memory at a chosen resolution (tests
// and the program's own snapshots look at those pixel by pixel).

#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPrinter;

class SuperficieStampa {
public:
    virtual ~SuperficieStampa() = default;
    SuperficieStampa() = default;
    SuperficieStampa(const SuperficieStampa&) = delete;
    SuperficieStampa& operator=(const SuperficieStampa&) = delete;

    // Begins a document on its first page; false when the device cannot
    // be opened (no printer, a file that cannot be written).
    virtual bool Inizia() = 0;
    // Moves to a fresh page of the same document; false on a device error.
    virtual bool NuovaPagina() = 0;
    // Ends the document and hands it to the device.
    virtual void Fine() = 0;

    QPainter& Painter() { return painter_; }
    // The drawable area of a page, in device pixels.
    [[nodiscard]] virtual int LarghezzaPixel() const = 0;
    [[nodiscard]] virtual int AltezzaPixel() const = 0;
    // The device's resolution in pixels per inch.
    [[nodiscard]] virtual int RisoluzioneX() const = 0;
    [[nodiscard]] virtual int RisoluzioneY() const = 0;

    // While a series is open, the documents begun and ended one after the
    // other go on the pages of one device document, so that a PDF file
    // keeps them all (the copies of a report, the listing after them).
    void ApriSerie() { serie_ = true; }
    void ChiudiSerie() {
        serie_ = false;
        Fine();
    }

protected:
    QPainter painter_;
    bool serie_ = false;
};

// A printer (through the system's print service) or a PDF writer.
class SuperficieDispositivo : public SuperficieStampa {
public:
    explicit SuperficieDispositivo(QPagedPaintDevice& dispositivo) : dispositivo_(dispositivo) {}
    bool Inizia() override;
    bool NuovaPagina() override;
    void Fine() override;
    [[nodiscard]] int LarghezzaPixel() const override;
    [[nodiscard]] int AltezzaPixel() const override;
    [[nodiscard]] int RisoluzioneX() const override;
    [[nodiscard]] int RisoluzioneY() const override;

private:
    QPagedPaintDevice& dispositivo_;
};

// White pictures of the given page size and resolution, one per page; a
// document begun again (after a pause) goes on with a new page.
class SuperficieImmagini : public SuperficieStampa {
public:
    SuperficieImmagini(int puntiPerPollice, QSizeF paginaMm);
    bool Inizia() override;
    bool NuovaPagina() override;
    void Fine() override;
    [[nodiscard]] int LarghezzaPixel() const override { return pixel_.width(); }
    [[nodiscard]] int AltezzaPixel() const override { return pixel_.height(); }
    [[nodiscard]] int RisoluzioneX() const override { return dpi_; }
    [[nodiscard]] int RisoluzioneY() const override { return dpi_; }

    [[nodiscard]] const std::vector<QImage>& Pagine() const { return pagine_; }
    // How many documents were begun.
    [[nodiscard]] int Documenti() const { return documenti_; }
    // Makes the next begin or new page fail, as a printer out of order does.
    bool guasto = false;

private:
    bool NuovaImmagine();
    int dpi_;
    QSize pixel_;
    std::vector<QImage> pagine_;
    int documenti_ = 0;
};

// The program's printer, shared by every print job and chosen through
// "Imposta Stampante".
QPrinter& StampanteProgramma();

// When set, print jobs and previews draw on the surface it returns instead
// of the program's printer or the preview window (tests, snapshots).
extern std::function<SuperficieStampa*()> SuperficieSostitutiva;

// Runs a drawing on the printer chosen for the program (or on the
// substitute surface).
void StampaSu(const std::function<void(SuperficieStampa&)>& disegno);

// Shows a drawing in the print preview window, from which it can also be
// printed (or draws it on the substitute surface).
void MostraAnteprima(QWidget* parent, const QString& titolo,
                     const std::function<void(SuperficieStampa&)>& disegno);
