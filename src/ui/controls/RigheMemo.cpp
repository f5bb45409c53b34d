#include "ui/controls/RigheMemo.h"

#include <QStringList>

std::vector<std::string> RigheDelTesto(const QString& testo) {
    QStringList righe = testo.split(QLatin1Char('\n'));
    if (!righe.isEmpty() && righe.constLast().isEmpty()) righe.removeLast();
    std::vector<std::string> risultato;
    risultato.reserve(static_cast<std::size_t>(righe.size()));
    for (const QString& riga : righe) risultato.push_back(riga.toStdString());
    return risultato;
}

QString TestoDelleRighe(const std::vector<std::string>& righe) {
    QStringList testo;
    for (const auto& riga : righe) testo.append(QString::fromStdString(riga));
    return testo.join(QLatin1Char('\n'));
}
