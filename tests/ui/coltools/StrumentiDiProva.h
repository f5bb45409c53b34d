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

inline QByteArray ColonneLE(const std::vector<ludo::Colonna>& colonne) {
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
