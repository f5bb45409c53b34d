#include "ui/controls/TAnimazioneLogo.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int Altezza = 40;
constexpr int Margine = 3;
constexpr int DistanzaNome = 8;

}  // namespace

TAnimazioneLogo::TAnimazioneLogo(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedSize(sizeHint());
    timer_.setInterval(IntervalloMs);
    connect(&timer_, &QTimer::timeout, this, &TAnimazioneLogo::Avanza);
}

QSize TAnimazioneLogo::sizeHint() const {
    const int nome = QFontMetrics(FontNome()).horizontalAdvance(QStringLiteral("Ludomatic"));
    // The ball at rest, the gap, the name.
    return {Altezza + DistanzaNome + nome + Margine, Altezza};
}

QFont TAnimazioneLogo::FontNome() const {
    QFont f = font();
    f.setBold(true);
    f.setItalic(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    return f;
}

void TAnimazioneLogo::Avvia() {
    inPausa_ = false;
    if (fotogramma_ < UltimoFotogramma) timer_.start();
}

void TAnimazioneLogo::Ferma() {
    inPausa_ = true;
    timer_.stop();
}

void TAnimazioneLogo::Avanza() {
    fotogramma_ = std::min(fotogramma_ + 1, UltimoFotogramma);
    if (fotogramma_ == UltimoFotogramma) timer_.stop();
    update();
}

void TAnimazioneLogo::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double raggio = Raggio();
    // The ball rolls in from beyond the left edge and slows down to rest
    // at the left of the name; it turns as far as it rolls.
    const double t = static_cast<double>(fotogramma_ - PrimoFotogramma) / (UltimoFotogramma - PrimoFotogramma);
    const double riposo = Margine + raggio;
    const double partenza = -raggio;
    const double x = partenza + (riposo - partenza) * (1 - (1 - t) * (1 - t));
    const double rotazione = (x - riposo) / raggio;

    p.setFont(FontNome());
    p.setPen(QColor(0, 0, 128));
    const QRectF nome(2 * riposo + DistanzaNome, 0, width() - 2 * riposo - DistanzaNome, height());
    p.drawText(nome, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ludomatic"));
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
