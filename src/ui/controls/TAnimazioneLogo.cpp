#include "ui/controls/TAnimazioneLogo.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

TAnimazioneLogo::TAnimazioneLogo(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedSize(sizeHint());
    timer_.setInterval(IntervalloMs);
    connect(&timer_, &QTimer::timeout, this, &TAnimazioneLogo::Avanza);
}

void TAnimazioneLogo::Avvia() { timer_.start(); }

void TAnimazioneLogo::Ferma() { timer_.stop(); }

void TAnimazioneLogo::Avanza() {
    fotogramma_ = fotogramma_ >= UltimoFotogramma ? PrimoFotogramma : fotogramma_ + 1;
    update();
}

void TAnimazioneLogo::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double passo = static_cast<double>(fotogramma_ - PrimoFotogramma) / (UltimoFotogramma - PrimoFotogramma + 1);
    const double raggio = height() / 2.0 - 3;
    // The ball rolls from the left edge to the right one and back over one loop.
    const double corsa = width() - 2 * raggio - 6;
    const double andata = passo < 0.5 ? passo * 2 : (1 - passo) * 2;
    const double x = 3 + raggio + corsa * andata;
    const double rotazione = (passo < 0.5 ? 1 : -1) * andata * corsa / raggio;

    QFont f = font();
    f.setBold(true);
    f.setItalic(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    p.setFont(f);
    p.setPen(QColor(0, 0, 128));
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Ludomatic"));
    DisegnaPallone(p, QPointF(x, height() / 2.0), raggio, rotazione);
}

void TAnimazioneLogo::DisegnaPallone(QPainter& p, const QPointF& centro, double raggio, double angolo) const {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(centro, raggio, raggio);
    // Five dark patches around the middle one, turning with the ball.
    p.setBrush(Qt::black);
    auto pentagono = [&](const QPointF& c, double r, double giro) {
        QPolygonF punti;
        for (int k = 0; k < 5; ++k) {
            const double a = giro + k * 2 * std::numbers::pi / 5;
            punti << c + QPointF(r * std::cos(a), r * std::sin(a));
        }
        p.drawPolygon(punti);
    };
    pentagono(centro, raggio * 0.3, angolo);
    QPainterPath bordo;
    bordo.addEllipse(centro, raggio, raggio);
    p.save();
    p.setClipPath(bordo);
    for (int k = 0; k < 5; ++k) {
        const double a = angolo + k * 2 * std::numbers::pi / 5 + std::numbers::pi / 5;
        pentagono(centro + QPointF(raggio * 0.85 * std::cos(a), raggio * 0.85 * std::sin(a)), raggio * 0.28, a);
    }
    p.restore();
}
