#pragma once
// What the column tools' window tests share: lists of columns, column files
// built from the layout (4 bytes a mask, least significant first) and files
// read back whole.

#include <QtTest>
#include <filesystem>
#include <vector>

#include "core/columns/Colonna.h"
#include "core/columns/ListaColonne.h"

inline ludo::ListaColonne Lista(const std::vector<ludo::Colonna>& colonne) {
    ludo::ListaColonne l;
    for (const auto c : colonne) l.Aggiungi(c);
    return l;
}

// Every column of 8 of the numbers given, as the development lists them.
inline ludo::ListaColonne Sviluppo(ludo::Colonna numeri) {
    ludo::ListaColonne l;
    ludo::Espandi(l, numeri, false);
    return l;
}

// The bytes of a column file holding a list's or a vector's columns.
template <class Colonne = std::vector<ludo::Colonna>>
QByteArray ColonneLE(const Colonne& colonne) {
    QByteArray b;
    for (const ludo::Colonna c : colonne) {
        for (int i = 0; i < 4; ++i) b.append(static_cast<char>((c >> (8 * i)) & 0xFF));
    }
    return b;
}

inline void ScriviFile(const std::filesystem::path& file, const QByteArray& byte) {
    QFile f(QString::fromStdString(file.string()));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(byte);
}

inline QByteArray LeggiFile(const std::filesystem::path& file) {
    QFile f(QString::fromStdString(file.string()));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
