#include "ui/archive/IntestazioneArchivio.h"

#include <QPainter>

#include "ui/archive/ModelloVistaArchivio.h"

namespace {

constexpr int Fasce = 3;
constexpr int Margine = 3;

void Cornice(QPainter& p, const QRect& r) { p.drawRect(r.adjusted(0, 0, -1, -1)); }

}  // namespace

IntestazioneArchivio::IntestazioneArchivio(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionResizeMode(QHeaderView::Fixed);
    setHighlightSections(false);
}

int IntestazioneArchivio::AltezzaFascia() const { return fontMetrics().height() + 2 * Margine; }

QSize IntestazioneArchivio::sizeHint() const {
    QSize misura = QHeaderView::sizeHint();
    misura.setHeight(Fasce * AltezzaFascia());
    return misura;
}

void IntestazioneArchivio::paintSection(QPainter* painter, const QRect& rect,
                                        int logicalIndex) const {
    const auto* modello = qobject_cast<const ModelloVistaArchivio*>(model());
    if (modello == nullptr) return;
    painter->save();
    painter->setClipRect(rect);
    painter->setPen(palette().color(QPalette::Mid));
    const QString testo = modello->headerData(logicalIndex, Qt::Horizontal).toString();
    const ModelloVistaArchivio::Blocco* blocco = modello->BloccoDi(logicalIndex);
    if (blocco == nullptr) {
        painter->fillRect(rect, ColoreColonneFisse());
        Cornice(*painter, rect);
        painter->setPen(palette().color(QPalette::WindowText));
        painter->drawText(rect.adjusted(Margine, 0, 0, -Margine), Qt::AlignLeft | Qt::AlignBottom,
                          testo);
        painter->restore();
        return;
    }
    const int fascia = AltezzaFascia();
    const int x0 = sectionViewportPosition(blocco->prima);
    const int x1 = sectionViewportPosition(blocco->ultima) + sectionSize(blocco->ultima);
    const QRect titolo(x0, rect.top(), x1 - x0, fascia);
    const QRect sottotitolo = titolo.translated(0, fascia);
    const QRect tipo(rect.left(), rect.top() + 2 * fascia, rect.width(),
                     rect.height() - 2 * fascia);
    painter->fillRect(rect, ColoreFamiglia(blocco->famiglia));
    for (const QRect& r : {titolo, sottotitolo, tipo}) Cornice(*painter, r);
    painter->setPen(palette().color(QPalette::WindowText));
    // Each section draws its slice of the block's texts, which stand as
    // they are written, from the block's left edge.
    painter->drawText(titolo.adjusted(Margine, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      blocco->titolo);
    painter->drawText(sottotitolo.adjusted(Margine, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      blocco->sottotitolo);
    painter->drawText(tipo, Qt::AlignCenter, testo);
    painter->restore();
}
