#pragma once
// The demo archive and the typical system in a scratch program folder, and
// what ludomatic-cli prints for them, as JSON.

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "../engine/SistemaDiProva.h"
#include "cli/ArchivioProgramma.h"
#include "cli/Comandi.h"

class DemoDiProva : public SistemaDiProva {
  public:
    DemoDiProva() {
        namespace fs = std::filesystem;
        fs::copy(fs::path(LUDO_DATA_DIR) / "ARCHIVI", Cartella() / "ARCHIVI",
                 fs::copy_options::overwrite_existing | fs::copy_options::recursive);
        fs::copy_file(fs::path(LUDO_BENCH_SISTEMI) / "tipico.LDS", FileSistema(),
                      fs::copy_options::overwrite_existing);
        sistema->Carica(FileSistema());
        std::ostringstream nulla;
        ludo::cli::Contesto contesto{Cartella(), nulla, nulla};
        ludo::cli::caricaArchivio(contesto, *sistema, true);
    }
    [[nodiscard]] std::filesystem::path FileSistema() const {
        return Cartella() / "SISTEMI" / "tipico.LDS";
    }

    [[nodiscard]] QJsonObject Cli(const std::vector<std::string>& argomenti) const {
        std::ostringstream out;
        std::ostringstream err;
        if (ludo::cli::esegui(argomenti, Cartella(), out, err) != 0)
            qFatal("cli: %s", err.str().c_str());
        return QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
    }
};
