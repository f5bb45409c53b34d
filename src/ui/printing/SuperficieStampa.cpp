#include "ui/printing/SuperficieStampa.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "ui/controls/TFrmMessage.h"

std::function<SuperficieStampa*()> SuperficieSostitutiva;

bool SuperficieDispositivo::Inizia() {
    if (serie_ && painter_.isActive()) return dispositivo_.newPage();
    return painter_.begin(&dispositivo_);
}

bool SuperficieDispositivo::NuovaPagina() { return dispositivo_.newPage(); }

void SuperficieDispositivo::Fine() {
    if (!serie_ && painter_.isActive()) painter_.end();
}

int SuperficieDispositivo::LarghezzaPixel() const { return dispositivo_.width(); }
int SuperficieDispositivo::AltezzaPixel() const { return dispositivo_.height(); }
int SuperficieDispositivo::RisoluzioneX() const { return dispositivo_.logicalDpiX(); }
int SuperficieDispositivo::RisoluzioneY() const { return dispositivo_.logicalDpiY(); }

namespace {

constexpr double MmPerPollice = 25.4;
constexpr double PolliciPerMetro = 39.37007874;

QImage Pagina(QSize pixel, int dpi) {
    QImage immagine(pixel, QImage::Format_RGB32);
    immagine.fill(Qt::white);
    const int punti = static_cast<int>(dpi * PolliciPerMetro + 0.5);
    immagine.setDotsPerMeterX(punti);
    immagine.setDotsPerMeterY(punti);
    return immagine;
}

}  // namespace

SuperficieImmagini::SuperficieImmagini(int puntiPerPollice, QSizeF paginaMm)
    : dpi_(puntiPerPollice),
      pixel_(static_cast<int>(paginaMm.width() * puntiPerPollice / MmPerPollice),
             static_cast<int>(paginaMm.height() * puntiPerPollice / MmPerPollice)) {}

bool SuperficieImmagini::NuovaImmagine() {
    if (guasto) return false;
    if (painter_.isActive()) painter_.end();
    pagine_.push_back(Pagina(pixel_, dpi_));
    return painter_.begin(&pagine_.back());
}

bool SuperficieImmagini::Inizia() {
    if (guasto) return false;
    ++documenti_;
    return NuovaImmagine();
}

bool SuperficieImmagini::NuovaPagina() { return NuovaImmagine(); }

void SuperficieImmagini::Fine() {
    if (painter_.isActive()) painter_.end();
}

QPrinter& StampanteProgramma() {
    // Freed with the application, while the print system is still there.
    static QPrinter* stampante = [] {
        qAddPostRoutine([] {
            delete stampante;
            stampante = nullptr;
        });
        return new QPrinter(QPrinter::HighResolution);
    }();
    return *stampante;
}

void StampaSu(const std::function<void(SuperficieStampa&)>& disegno) {
    if (SuperficieSostitutiva) {
        disegno(*SuperficieSostitutiva());
        return;
    }
    SuperficieDispositivo superficie(StampanteProgramma());
    disegno(superficie);
}

void MostraAnteprima(QWidget* parent, const QString& titolo,
                     const std::function<void(SuperficieStampa&)>& disegno) {
    if (SuperficieSostitutiva) {
        disegno(*SuperficieSostitutiva());
        return;
    }
    QPrintPreviewDialog anteprima(&StampanteProgramma(), parent);
    anteprima.setWindowTitle(titolo);
    QObject::connect(&anteprima, &QPrintPreviewDialog::paintRequested, &anteprima, [&](QPrinter* stampante) {
        SuperficieDispositivo superficie(*stampante);
        try {
            disegno(superficie);
        } catch (const std::exception& e) {
            superficie.Fine();
            Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, parent);
        }
    });
    anteprima.exec();
}
