#pragma once
// What the checking windows' tests share: columns from their numbers, lists
// of them, the
// winning numbers clicked in a window's two forecast strips, and the answer
// of ludomatic-cli read as JSON.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <initializer_list>

#include "../coltools/StrumentiDiProva.h"
#include "../controls/ControlliDiProva.h"
#include "core/columns/ListaColonne.h"
#include "ui/controls/TPronostico.h"

inline ludo::Colonna Numeri(std::initializer_list<int> numeri) {
    ludo::Colonna c = 0;
    for (int n : numeri) c |= ludo::Colonna{1} << (n - 1);
    return c;
}

inline ludo::ListaColonne Lista(const std::vector<ludo::Colonna>& colonne) {
    ludo::ListaColonne l;
    for (const auto c : colonne) l.Aggiungi(c);
    return l;
}

// Clicks each number of the column in the strips named basso (1..16) and alto (17..32).
inline void ClicNumeri(const QWidget& f, ludo::Colonna numeri, const char* basso = "Vincente1_16",
                       const char* alto = "Vincente17_32") {
    for (int n = 1; n <= 32; ++n) {
        if ((numeri & (ludo::Colonna{1} << (n - 1))) == 0) continue;
        auto* striscia = C<TPronostico>(f, n <= 16 ? basso : alto);
        QTest::mouseClick(striscia, Qt::LeftButton, {},
                          striscia->RettangoloCella((n - 1) % 16).center());
    }
}

inline QJsonObject JsonCli(const std::filesystem::path& cartella,
                           const std::vector<std::string>& argomenti) {
    const auto uscita = Cli(cartella, argomenti);
    if (uscita.stato != 0) qFatal("ludomatic-cli failed: %s", uscita.out.c_str());
    return QJsonDocument::fromJson(QByteArray::fromStdString(uscita.out)).object();
}
