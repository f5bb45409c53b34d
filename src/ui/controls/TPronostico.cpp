#include "ui/controls/TPronostico.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "ui/controls/ColoriControlli.h"
#include "ui/controls/ElementoAccessibile.h"

namespace {
constexpr int kLatoCella = 21;
constexpr int kAltezzaCella = 19;
}  // namespace

TPronostico::TPronostico(QWidget* parent) : QWidget(parent), selColor_(ColoreBGR(kColoreSelezione)) {
    InstallaAccessibilita();
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
}

void TPronostico::setTipo(TipoPronostico tipo) {
    if (tipo == tipo_) return;
    tipo_ = tipo;
    update();
}

void TPronostico::setPronostico(quint16 valore) {
    if (valore == pronostico_) return;
    ScriviPronostico(valore);
    update();
}

void TPronostico::ScriviPronostico(quint16 valore) {
    pronostico_ = valore;
    PronosticoCambiato();
}

void TPronostico::setSelColor(const QColor& colore) {
    if (colore == selColor_) return;
    selColor_ = colore;
    update();
}

void TPronostico::setVerticale(bool verticale) {
    if (verticale == verticale_) return;
    verticale_ = verticale;
    updateGeometry();
    update();
}

int TPronostico::NumeroCella(int i) const { return i + (tipo_ == tp1_16 ? 1 : 17); }

ludo::Colonna TPronostico::ComeColonna(quint16 celle) const {
    return tipo_ == tp1_16 ? ludo::Colonna{celle} : ludo::Colonna{celle} << 16;
}

ludo::Colonna TPronostico::Colonna() const { return ComeColonna(pronostico_); }

void TPronostico::ImpostaColonna(ludo::Colonna colonna) {
    setPronostico(static_cast<quint16>(tipo_ == tp1_16 ? colonna & 0xFFFFu : colonna >> 16));
}

QSize TPronostico::sizeHint() const {
    return verticale_ ? QSize(kLatoCella + 1, NumeroCelle * kAltezzaCella + 1)
                      : QSize(NumeroCelle * kLatoCella + 1, kAltezzaCella + 1);
}

QRect TPronostico::RettangoloCella(int i) const {
    const int lunghezza = (verticale_ ? height() : width()) - 1;
    const int inizio = i * lunghezza / NumeroCelle;
    const int fine = (i + 1) * lunghezza / NumeroCelle;
    return verticale_ ? QRect(0, inizio, width() - 1, fine - inizio) : QRect(inizio, 0, fine - inizio, height() - 1);
}

int TPronostico::CellaIn(const QPoint& punto) const {
    for (int i = 0; i < NumeroCelle; ++i)
        if (RettangoloCella(i).contains(punto)) return i;
    return -1;
}

void TPronostico::CliccaCella(int i) { ScriviPronostico(pronostico_ ^ static_cast<quint16>(1u << i)); }

QColor TPronostico::ColoreCella(int i) const {
    return Selezionata(i) ? selColor_ : QColor(Qt::white);
}

void TPronostico::setCellaAttiva(int i) {
    if (i < 0 || i >= NumeroCelle || i == attiva_) return;
    update(RettangoloCella(attiva_).adjusted(0, 0, 1, 1));
    attiva_ = i;
    update(RettangoloCella(attiva_).adjusted(0, 0, 1, 1));
    if (hasFocus()) {
        QAccessibleEvent evento(this, QAccessible::Focus);
        evento.setChild(i);
        QAccessible::updateAccessibility(&evento);
    }
}

void TPronostico::Clicca(int i) {
    if (i < 0 || i >= NumeroCelle) return;
    setCellaAttiva(i);
    CliccaCella(i);
    update(RettangoloCella(i).adjusted(0, 0, 1, 1));
    QAccessible::State cambiato;
    cambiato.checked = true;
    QAccessibleStateChangeEvent evento(this, cambiato);
    evento.setChild(i);
    QAccessible::updateAccessibility(&evento);
    emit Cambiato();
}

void TPronostico::mousePressEvent(QMouseEvent* event) {
    const int cella = CellaIn(event->position().toPoint());
    if (event->button() != Qt::LeftButton || cella < 0) return;
    Clicca(cella);
}

void TPronostico::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            setCellaAttiva(attiva_ - 1);
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            setCellaAttiva(attiva_ + 1);
            break;
        case Qt::Key_Home:
            setCellaAttiva(0);
            break;
        case Qt::Key_End:
            setCellaAttiva(NumeroCelle - 1);
            break;
        case Qt::Key_Space:
        case Qt::Key_Select:
            Clicca(attiva_);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void TPronostico::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TPronostico::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TPronostico::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    for (int i = 0; i < NumeroCelle; ++i) {
        const QRect r = RettangoloCella(i);
        p.fillRect(r, ColoreCella(i));
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(r);
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignCenter, QString::number(NumeroCella(i)));
    }
    if (!hasFocus()) return;
    QStyleOptionFocusRect fuoco;
    fuoco.initFrom(this);
    fuoco.rect = RettangoloCella(attiva_).adjusted(2, 2, -1, -1);
    fuoco.backgroundColor = ColoreCella(attiva_);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fuoco, &p, this);
}
