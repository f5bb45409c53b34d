#pragma once
// The commands of ludomatic-cli. Each command reads its arguments, prints
// its result as JSON on standard output and returns the exit status; an
// error prints the Italian message on standard error and returns 1.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Argomenti.h"

namespace ludo::cli {

struct Contesto {
    std::filesystem::path cartella;  // the program folder
    std::ostream& out;
    std::ostream& err;

    // A column file named on the command line: without a folder it is in the
    // program folder's COLONNE, with its folder it is used as given.
    [[nodiscard]] std::filesystem::path fileColonne(const std::string& nome) const;
};

struct Comando {
    std::string_view nome;
    std::string_view uso;
    std::string_view descrizione;
    int (*esegui)(Contesto&, const Argomenti& argomenti);
    Sintassi sintassi;  // what the command accepts; the rest is refused before it runs
};

// Every command, in the order --help lists them.
std::span<const Comando> comandi();

// The coupon and configuration commands.
int comandoSchedina(Contesto& contesto, const Argomenti& argomenti);
int comandoConfigurazione(Contesto& contesto, const Argomenti& argomenti);

// Systems, condition files, boards, and the check of a column.
int comandoSistema(Contesto& contesto, const Argomenti& argomenti);
int comandoCondizioni(Contesto& contesto, const Argomenti& argomenti);
int comandoQuadro(Contesto& contesto, const Argomenti& argomenti);
int comandoVerifica(Contesto& contesto, const Argomenti& argomenti);
// The values each condition of a condition file measures on columns.
int comandoMisura(Contesto& contesto, const Argomenti& argomenti);

// The development of a system and the reduction of a column file.
int comandoSviluppa(Contesto& contesto, const Argomenti& argomenti);
int comandoRiduci(Contesto& contesto, const Argomenti& argomenti);
// What a set of columns wins over every result of a forecast or of a column file.
int comandoGaranzie(Contesto& contesto, const Argomenti& argomenti);

// The contest archive: list, add, delete, and its cached analysis tables.
int comandoArchivio(Contesto& contesto, const Argomenti& argomenti);

// The columns of a column file, expanded on request.
int comandoColonne(Contesto& contesto, const Argomenti& argomenti);

// The column file tools: conversion, set operations, grouping.
int comandoConverti(Contesto& contesto, const Argomenti& argomenti);
int comandoOperazioni(Contesto& contesto, const Argomenti& argomenti);
int comandoAccorpa(Contesto& contesto, const Argomenti& argomenti);
// The plays recorded for a contest, their cost and scores.
int comandoGiocate(Contesto& contesto, const Argomenti& argomenti);
// The library of ready-made reduced systems.
int comandoMatrici(Contesto& contesto, const Argomenti& argomenti);

// The statistics of the archive: the system's record, a group of numbers,
// the fixed-number ranking, the single numbers and the statistical forecast.
int comandoStatistica(Contesto& contesto, const Argomenti& argomenti);
int comandoGruppo(Contesto& contesto, const Argomenti& argomenti);
int comandoFisse(Contesto& contesto, const Argomenti& argomenti);
int comandoNumeri(Contesto& contesto, const Argomenti& argomenti);
int comandoPronosticoStatistico(Contesto& contesto, const Argomenti& argomenti);
// The check of a column file against a winning column and against the archive.
int comandoSpoglio(Contesto& contesto, const Argomenti& argomenti);
int comandoSpoglioStorico(Contesto& contesto, const Argomenti& argomenti);
// The analysis data set of one condition of a system.
int comandoAnalisi(Contesto& contesto, const Argomenti& argomenti);

// The archive, the team lists and the coupon brought up to date from the update server.
int comandoAggiorna(Contesto& contesto, const Argomenti& argomenti);

// Runs the command line (without the program name). Without --cartella the
// program folder is the one cartellaPredefinita gives, asked only when a
// command runs.
int esegui(std::span<const std::string> argomenti,
           const std::function<std::filesystem::path()>& cartellaPredefinita, std::ostream& out,
           std::ostream& err);
int esegui(std::span<const std::string> argomenti, const std::filesystem::path& cartella, std::ostream& out,
           std::ostream& err);

}  // namespace ludo::cli
