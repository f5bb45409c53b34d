#pragma once
// What the column tools' window tests share: column files built from the
// layout (4 bytes a mask, least significant first), files read back whole
// and ludomatic-cli run in the test process.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtTest>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Comandi.h"
#include "core/columns/Colonna.h"

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

// What ludomatic-cli prints on standard output, and its exit status.
struct UscitaCli {
    int stato;
    std::string out;
};

inline UscitaCli Cli(const std::filesystem::path& cartella,
                     const std::vector<std::string>& argomenti) {
    std::ostringstream out;
    std::ostringstream err;
    const int stato = ludo::cli::esegui(argomenti, cartella, out, err);
    return {stato, out.str()};
}

// The text of a JSON string field of the command's answer.
inline QString CampoCli(const UscitaCli& uscita, const std::string& campo) {
    const auto chiave = "\"" + campo + "\":";
    const auto inizio = uscita.out.find(chiave);
    if (inizio == std::string::npos) return {};
    auto valore = uscita.out.substr(inizio + chiave.size());
    if (!valore.empty() && valore.front() == '"')
        return QString::fromStdString(valore.substr(1, valore.find('"', 1) - 1));
    return QString::fromStdString(valore.substr(0, valore.find_first_of(",}")));
}
