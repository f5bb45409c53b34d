#pragma once
// A system in a scratch program folder, for the development windows' tests.

#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "core/columns/FileColonne.h"
#include "core/columns/ListaColonne.h"
#include "core/io/ProgramFolder.h"
#include "core/system/T_Sistema.h"

class SistemaDiProva {
public:
    SistemaDiProva() {
        for (auto s : ludo::io::kSottocartelle) std::filesystem::create_directories(Cartella() / std::string(s));
        sistema = std::make_unique<ludo::T_Sistema>(Cartella());
    }
    [[nodiscard]] std::filesystem::path Cartella() const { return dir_.path().toStdString(); }
    [[nodiscard]] ludo::DatiSistema& d() const { return *sistema->Dati; }

    // The first n numbers.
    static ludo::Colonna Primi(int n) { return n >= 32 ? 0xFFFFFFFFu : (ludo::Colonna{1} << n) - 1; }

    std::unique_ptr<ludo::T_Sistema> sistema;

private:
    QTemporaryDir dir_;
};
