#include "ui/controls/TGLegenda.h"

#include <QPainter>
#include <algorithm>

namespace {
constexpr int kSegno = 10;
constexpr int kDopoSegno = 4;
}  // namespace

TGLegenda::TGLegenda(QWidget* parent) : QWidget(parent) {}

void TGLegenda::ImpostaVoci(const QList<Voce>& voci) {
    voci_ = voci;
    updateGeometry();
    update();
}

QList<TGLegenda::Voce> TGLegenda::VociMostrate() const {
    const qsizetype inizio = std::clamp<qsizetype>(start_, 0, voci_.size());
    return voci_.mid(inizio, std::max(0, numPoint_));
}

int TGLegenda::LarghezzaVoce(const Voce& voce) const {
    return kSegno + kDopoSegno + fontMetrics().horizontalAdvance(voce.testo);
}

QSize TGLegenda::sizeHint() const {
    int x = gapX_;
    for (const Voce& voce : VociMostrate()) x += LarghezzaVoce(voce) + gapOriz_;
    return {x, gapY_ + fontMetrics().height() + 2};
}

void TGLegenda::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    const int altezza = fontMetrics().height();
    int x = gapX_;
    for (const Voce& voce : VociMostrate()) {
        const QRect segno(x, gapY_ + (altezza - kSegno) / 2, kSegno, kSegno);
        p.fillRect(segno, voce.colore);
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(segno);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(x + kSegno + kDopoSegno, gapY_, LarghezzaVoce(voce), altezza), Qt::AlignLeft | Qt::AlignVCenter,
                   voce.testo);
        x += LarghezzaVoce(voce) + gapOriz_;
    }
}
