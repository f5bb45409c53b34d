#include "ui/controls/TPronostico.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/controls/ColoriControlli.h"

namespace {
constexpr int kLatoCella = 21;
constexpr int kAltezzaCella = 19;
}  // namespace

TPronostico::TPronostico(QWidget* parent) : QWidget(parent), selColor_(ColoreBGR(kColoreSelezione)) {
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
    return (pronostico_ & (1u << i)) != 0 ? selColor_ : QColor(Qt::white);
}

void TPronostico::Clicca(int i) {
    CliccaCella(i);
    update(RettangoloCella(i).adjusted(0, 0, 1, 1));
    emit Cambiato();
}

void TPronostico::mousePressEvent(QMouseEvent* event) {
    const int cella = CellaIn(event->position().toPoint());
    if (event->button() != Qt::LeftButton || cella < 0) return;
    corrente_ = cella;
    Clicca(cella);
}

void TPronostico::VaiA(int i) {
    corrente_ = std::clamp(i, 0, NumeroCelle - 1);
    update();
}

void TPronostico::keyPressEvent(QKeyEvent* event) {
    const int indietro = verticale_ ? Qt::Key_Up : Qt::Key_Left;
    const int avanti = verticale_ ? Qt::Key_Down : Qt::Key_Right;
    const int tasto = event->key();
    if (tasto == indietro) VaiA(corrente_ - 1);
    else if (tasto == avanti) VaiA(corrente_ + 1);
    else if (tasto == Qt::Key_Home) VaiA(0);
    else if (tasto == Qt::Key_End) VaiA(NumeroCelle - 1);
    else if (tasto == Qt::Key_Space) Clicca(corrente_);
    else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
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
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(RettangoloCella(corrente_).adjusted(1, 1, -1, -1));
    }
}
