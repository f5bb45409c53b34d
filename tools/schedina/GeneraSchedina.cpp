// Draws the picture of a betting slip the calibration window shows: six
// columns of two strips of 16 boxes (numbers 1..16 and 17..32) where the
// default horizontal calibration puts them, at 2 pixels per millimetre.
//
//   genera-schedina OUTPUT.bmp

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "core/printing/StampaSchedine.h"
#include "core/printing/Taratura.h"
#include "core/system/ImpostazioniStampa.h"

namespace {

constexpr double LarghezzaMm = 110;
constexpr double AltezzaMm = 132;
const QColor Fondo(255, 238, 232);
const QColor Inchiostro(196, 30, 40);

// Millimetres of the slip to pixels of the picture.
QPointF P(double x, double y) {
    return {ludo::XAnteprima + x * ludo::PixelPerMmAnteprima, ludo::YAnteprima + y * ludo::PixelPerMmAnteprima};
}

QRectF R(double x1, double y1, double x2, double y2) { return {P(x1, y1), P(x2, y2)}; }

QFont Carattere(int pixel, bool grassetto = false) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setPixelSize(pixel);
    f.setBold(grassetto);
    return f;
}

void Intestazione(QPainter& p) {
    p.fillRect(R(2, 2, LarghezzaMm - 2, 22), Inchiostro);
    p.setPen(Qt::white);
    p.setFont(Carattere(22, true));
    p.drawText(R(2, 2, LarghezzaMm - 2, 15), Qt::AlignCenter, QStringLiteral("TOTOGOL"));
    p.setFont(Carattere(8));
    p.drawText(R(2, 14, LarghezzaMm - 2, 22), Qt::AlignCenter, QStringLiteral("schedina a sei colonne da 8 numeri"));
}

void Colonne(QPainter& p, const ludo::SlipGeometry& g) {
    p.setPen(QPen(Inchiostro, 1));
    p.setBrush(Qt::white);
    for (int n = 0; n < ludo::SlipPrintSettings::MaxColonnePerSchedina; ++n) {
        for (const ludo::Quadratino& q : ludo::QuadratiniColonna(~ludo::Colonna{0}, n, g, ludo::StampaOrizzontale)) {
            p.drawRect(R(q.area.x1, q.area.y1, q.area.x2, q.area.y2));
        }
        p.setFont(Carattere(9, true));
        const double x = g.XPrimaCol + n * g.DistanzaColonne;
        p.drawText(R(x, g.YPrimaCol - 6, x + g.DistanzaSegniOriz + 2 * g.LQuadratini, g.YPrimaCol - 1),
                   Qt::AlignCenter, QString::number(n + 1));
    }
    // The numbers of each row, left of the first column: "1 17" … "16 32".
    p.setFont(Carattere(6));
    const double passo = g.distanzaSegniVert + g.AQuadratini;
    for (int i = 0; i < ludo::QuadratiniPerStriscia; ++i) {
        const double y = g.YPrimaCol + i * passo;
        p.drawText(R(g.XPrimaCol - 13, y - 0.5, g.XPrimaCol - 1, y + g.AQuadratini + 0.5),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 %2").arg(i + 1).arg(i + 17));
    }
}

void Piede(QPainter& p, const ludo::SlipGeometry& g) {
    const double alto = g.YPrimaCol + ludo::QuadratiniPerStriscia * (g.distanzaSegniVert + g.AQuadratini) + 6;
    p.setPen(QPen(Inchiostro, 1));
    p.setBrush(Qt::white);
    p.setFont(Carattere(7));
    p.drawRect(R(8, alto, 52, alto + 12));
    p.drawText(R(9, alto, 52, alto + 4), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("CONCORSO Nº"));
    p.drawRect(R(58, alto, LarghezzaMm - 8, alto + 12));
    p.drawText(R(59, alto, LarghezzaMm - 8, alto + 4), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("IMPORTO"));
    p.fillRect(R(2, AltezzaMm - 8, LarghezzaMm - 2, AltezzaMm - 2), Inchiostro);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Uso: genera-schedina FILE.bmp\n", stderr);
        return 2;
    }
    const QPointF angolo = P(LarghezzaMm, AltezzaMm);
    QImage immagine(static_cast<int>(angolo.x() + ludo::XAnteprima), static_cast<int>(angolo.y() + ludo::YAnteprima),
                    QImage::Format_RGB32);
    immagine.fill(Qt::white);
    QPainter p(&immagine);
    p.fillRect(R(0, 0, LarghezzaMm, AltezzaMm), Fondo);
    p.setPen(QPen(Inchiostro, 2));
    p.drawRect(R(0, 0, LarghezzaMm, AltezzaMm));
    const ludo::SlipGeometry g = ludo::SlipGeometry::Orizzontale();
    Intestazione(p);
    Colonne(p, g);
    Piede(p, g);
    p.end();
    if (!immagine.save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "Impossibile scrivere %s\n", argv[1]);
        return 1;
    }
    return 0;
}
