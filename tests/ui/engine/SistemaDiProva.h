#pragma once
// A system in a scratch program folder, for the windows' tests, and what
// ludomatic-cli prints on that folder.

#include <QtTest>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Comandi.h"
#include "core/columns/FileColonne.h"
#include "core/columns/ListaColonne.h"
#include "core/io/ProgramFolder.h"
#include "core/system/T_Sistema.h"

// The column of the numbers given, 1..32.
inline ludo::Colonna Numeri(std::initializer_list<int> numeri) {
    ludo::Colonna c = 0;
    for (int n : numeri) c |= ludo::Colonna{1} << (n - 1);
    return c;
}

// The strings of a JSON array.
inline QStringList Testi(const QJsonValue& array) {
    QStringList testi;
    for (const auto& v : array.toArray()) testi << v.toString();
    return testi;
}

class SistemaDiProva {
  public:
    SistemaDiProva() {
        for (auto s : ludo::io::kSottocartelle)
            std::filesystem::create_directories(Cartella() / std::string(s));
        sistema = std::make_unique<ludo::T_Sistema>(Cartella());
    }
    [[nodiscard]] std::filesystem::path Cartella() const { return dir_.path().toStdString(); }
    [[nodiscard]] ludo::DatiSistema& d() const { return *sistema->Dati; }

    // The first n numbers.
    static ludo::Colonna Primi(int n) {
        return n >= 32 ? 0xFFFFFFFFu : (ludo::Colonna{1} << n) - 1;
    }

    // What ludomatic-cli prints on this folder; a command that fails ends the test.
    [[nodiscard]] std::string Cli(const std::vector<std::string>& argomenti) const {
        std::ostringstream out;
        std::ostringstream err;
        if (ludo::cli::esegui(argomenti, Cartella(), out, err) != 0)
            qFatal("ludomatic-cli: %s", err.str().c_str());
        return out.str();
    }
    [[nodiscard]] QJsonObject Json(const std::vector<std::string>& argomenti) const {
        return QJsonDocument::fromJson(QByteArray::fromStdString(Cli(argomenti))).object();
    }

    std::unique_ptr<ludo::T_Sistema> sistema;

  private:
    QTemporaryDir dir_;
};
