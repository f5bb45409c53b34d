#include "ui/controls/TGEditSegno.h"

#include <QKeyEvent>

TGEditSegno::TGEditSegno(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(2);
    setAlignment(Qt::AlignCenter);
    setContextMenuPolicy(Qt::NoContextMenu);  // no pasting of other letters
    setAcceptDrops(false);
}

void TGEditSegno::setSingolo(bool singolo) {
    singolo_ = singolo;
    setMaxLength(singolo ? 1 : 2);
}

std::uint8_t TGEditSegno::Segno() const { return SegnoDaTesto(text()); }

std::uint8_t TGEditSegno::SegnoDaTesto(const QString& testo) {
    if (testo == QLatin1String("P")) return 1;
    if (testo == QLatin1String("D")) return 2;
    if (testo == QLatin1String("PD") || testo == QLatin1String("DP")) return 3;
    return 0;
}

QString TGEditSegno::TestoDaSegno(std::uint8_t segno) {
    switch (segno) {
        case 1: return QStringLiteral("P");
        case 2: return QStringLiteral("D");
        case 3: return QStringLiteral("PD");
        default: return {};
    }
}

void TGEditSegno::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up: emit Sopra(); return;
        case Qt::Key_Down: emit Sotto(); return;
        case Qt::Key_Backspace:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape: QLineEdit::keyPressEvent(event); return;
        default: break;
    }
    const QString lettera = event->text().toUpper();
    const bool segno = lettera == QLatin1String("P") || lettera == QLatin1String("D");
    if (!segno || text().contains(lettera) || (!hasSelectedText() && text().size() >= maxLength())) return;
    insert(lettera);
}
