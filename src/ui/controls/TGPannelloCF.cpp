#include "ui/controls/TGPannelloCF.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionFrame>

#include "ui/controls/ColoriControlli.h"

namespace {

QFont FontPannello(QFont font) {
    font.setPointSize(7);
    return font;
}

}  // namespace

TGPannelloCF::TGPannelloCF(QWidget* parent) : QWidget(parent) {
    setFixedSize(Larghezza, Altezza);
    setFont(FontPannello(font()));
}

QString TGPannelloCF::TestoNumero() const { return QStringLiteral("%1").arg(numero_, 2, 10, QLatin1Char('0')); }

QList<QStringList> TGPannelloCF::ColonneCorpo() const {
    QList<QStringList> colonne;
    if (tipo_ == 1 && colonna_ != 0) {
        const int numeri = ludo::NumeroNumeri(colonna_);
        for (int k = 1; k <= numeri; ++k) {
            if ((k - 1) % NumeriPerColonna == 0) colonne.append(QStringList());
            colonne.last().append(QString::number(ludo::NumeroK(k, colonna_)));
        }
        return colonne;
    }
    QStringList caratteri;
    for (const QChar c : testo_) caratteri.append(QString(c));
    colonne.append(caratteri);
    return colonne;
}

void TGPannelloCF::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect testata(1, 1, width() - 2, fieldHeight_);
    p.fillRect(testata, selezionato_ ? ColoreBGR(kColoreAccettato) : palette().color(QPalette::Button));
    QStyleOptionFrame bordo;
    bordo.initFrom(this);
    bordo.rect = testata;
    bordo.lineWidth = 1;
    bordo.state |= QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_Frame, &bordo, &p, this);
    p.setPen(selezionato_ ? QColor(Qt::white) : palette().color(QPalette::ButtonText));
    p.drawText(testata, Qt::AlignCenter, TestoNumero());

    p.setPen(Qt::black);
    const QList<QStringList> colonne = ColonneCorpo();
    const int passo = fontMetrics().height() + 4;
    for (qsizetype c = 0; c < colonne.size(); ++c) {
        // One column is centred; two share the width.
        const int larghezza = colonne.size() == 1 ? width() : width() / 2;
        const int x = static_cast<int>(c) * larghezza;
        for (qsizetype r = 0; r < colonne[c].size(); ++r)
            p.drawText(QRect(x, start_ + static_cast<int>(r) * passo, larghezza, passo), Qt::AlignHCenter | Qt::AlignTop,
                       colonne[c][r]);
    }
    // The panel the keyboard is on, when a window lets the keyboard reach it.
    if (hasFocus()) {
        QStyleOptionFocusRect fuoco;
        fuoco.initFrom(this);
        fuoco.rect = rect().adjusted(3, fieldHeight_ + 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fuoco, &p, this);
    }
}

void TGPannelloCF::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit Cliccato(event->modifiers());
}

void TGPannelloCF::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit DoppioClic();
}
