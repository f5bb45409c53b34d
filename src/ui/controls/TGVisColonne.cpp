#include "ui/controls/TGVisColonne.h"

#include <QPainter>
#include <algorithm>

namespace {
constexpr int kAltezzaIntestazione = 20;
constexpr int kLarghezzaCella = 24;
constexpr int kAltezzaCella = 17;
constexpr int kMargine = 3;
const QColor kColoreVincente(170, 225, 160);
}  // namespace

TGVisColonne::TGVisColonne(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TGVisColonne::setNumero(int numero) {
    if (numero == numero_) return;
    numero_ = numero;
    update();
}

QString TGVisColonne::Intestazione() const { return QStringLiteral("Schedina Nº %1").arg(numero_); }

void TGVisColonne::ImpostaColonne(const QList<ludo::Colonna>& colonne, const QList<bool>& vincenti) {
    colonne_ = colonne.mid(0, ColonnePerSchedina);
    vincenti_ = vincenti;
    colonnaEvidenziata_ = 0;
    numeroEvidenziato_ = 0;
    updateGeometry();
    update();
}

bool TGVisColonne::Vincente(int colonna) const {
    return colonna >= 0 && colonna < vincenti_.size() && vincenti_[colonna];
}

void TGVisColonne::Evidenzia(int colonna, int numero, const QColor& colore) {
    update(RettangoloCella(colonnaEvidenziata_, numeroEvidenziato_));
    colonnaEvidenziata_ = colonna;
    numeroEvidenziato_ = numero;
    coloreEvidenza_ = colore;
    update(RettangoloCella(colonna, numero));
}

int TGVisColonne::Righe() const {
    int righe = RigheMinime;
    for (const ludo::Colonna c : colonne_) righe = std::max(righe, ludo::NumeroNumeri(c));
    return righe;
}

QRect TGVisColonne::RettangoloCella(int colonna, int numero) const {
    if (colonna < 1 || numero < 1) return {};
    return {kMargine + (colonna - 1) * kLarghezzaCella, kAltezzaIntestazione + (numero - 1) * kAltezzaCella,
            kLarghezzaCella, kAltezzaCella};
}

QSize TGVisColonne::sizeHint() const {
    return {2 * kMargine + ColonnePerSchedina * kLarghezzaCella + 1,
            kAltezzaIntestazione + Righe() * kAltezzaCella + kMargine + 1};
}

void TGVisColonne::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::Text));
    QFont grassetto = font();
    grassetto.setBold(true);
    p.setFont(grassetto);
    p.drawText(QRect(0, 0, width(), kAltezzaIntestazione), Qt::AlignCenter, Intestazione());
    p.setFont(font());

    for (int c = 1; c <= ColonnePerSchedina; ++c) {
        const ludo::Colonna colonna = c <= colonne_.size() ? colonne_[c - 1] : 0;
        const int numeri = ludo::NumeroNumeri(colonna);
        for (int r = 1; r <= Righe(); ++r) {
            const QRect cella = RettangoloCella(c, r);
            QColor sfondo = Vincente(c - 1) ? kColoreVincente : palette().color(QPalette::Base);
            if (c == colonnaEvidenziata_ && r == numeroEvidenziato_) sfondo = coloreEvidenza_;
            p.fillRect(cella, sfondo);
            p.setPen(palette().color(QPalette::Midlight));
            p.drawRect(cella);
            p.setPen(palette().color(QPalette::Text));
            if (r <= numeri) p.drawText(cella, Qt::AlignCenter, QString::number(ludo::NumeroK(r, colonna)));
        }
    }
}
