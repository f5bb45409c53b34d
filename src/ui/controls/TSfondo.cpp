#include "ui/controls/TSfondo.h"

#include <QPaintEvent>
#include <QPainter>

bool TSfondo::CaricaImmagine(const QString& file) {
    const bool letta = immagine_.load(file);
    if (!letta) immagine_ = QPixmap();
    update();
    return letta;
}

void TSfondo::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (immagine_.isNull()) {
        p.fillRect(event->rect(), palette().color(QPalette::Window));
        return;
    }
    p.drawTiledPixmap(rect(), immagine_);
}
