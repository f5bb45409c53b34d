#include "ui/controls/FormatoLocale.h"

#include <QLocale>

ludo::FormatoNumeri FormatoNumeriLocale() {
    const QLocale locale;
    const auto carattere = [](const QString& s, char riserva) {
        return s.size() == 1 && s.at(0).unicode() < 128 ? static_cast<char>(s.at(0).unicode()) : riserva;
    };
    // Separators outside ASCII (a narrow no-break space) become the Italian ones.
    return {carattere(locale.groupSeparator(), '.'), carattere(locale.decimalPoint(), ',')};
}

QString TestoNumero(std::int64_t valore) {
    return QString::fromStdString(ludo::TestoIntero(valore, FormatoNumeriLocale()));
}
