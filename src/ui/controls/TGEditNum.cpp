#include "ui/controls/TGEditNum.h"

#include <QRegularExpressionValidator>

TGEditNum::TGEditNum(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(2);
    setAlignment(Qt::AlignCenter);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), this));
}

int TGEditNum::Numero() const {
    bool ok = false;
    const int n = text().trimmed().toInt(&ok);
    return ok ? n : -1;
}

void TGEditNum::ImpostaNumero(int n) { setText(n > 0 ? QString::number(n) : QString()); }
