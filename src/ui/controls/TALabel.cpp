#include "ui/controls/TALabel.h"

#include <QPainter>
#include <QTransform>

TALabel::TALabel(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {}

void TALabel::setCaption(const QString& caption) {
    caption_ = caption;
    updateGeometry();
    update();
}

void TALabel::setAngle(int decimiDiGrado) {
    angle_ = decimiDiGrado;
    updateGeometry();
    update();
}

QTransform TALabel::Rotazione() const {
    QTransform t;
    t.rotate(-angle_ / 10.0);
    return t;
}

QSize TALabel::sizeHint() const {
    const QRect testo(QPoint(0, 0), fontMetrics().size(Qt::TextSingleLine, caption_));
    return Rotazione().mapRect(testo).size() + QSize(2, 2);
}

void TALabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    const QSize testo = fontMetrics().size(Qt::TextSingleLine, caption_);
    p.translate(rect().center());
    p.setTransform(Rotazione(), true);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(-testo.width() / 2, -testo.height() / 2, testo.width(), testo.height()), Qt::AlignCenter,
               caption_);
}
