#pragma once
// The commands of ludomatic-cli. Each command reads its arguments, prints
// its result as JSON on standard output and returns the exit status; an
// error prints the Italian message on standard error and returns 1.

#include <filesystem>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ludo::cli {

struct Contesto {
    std::filesystem::path cartella;  // the program folder
    std::ostream& out;
    std::ostream& err;
};

struct Comando {
    std::string_view nome;
    std::string_view uso;
    std::string_view descrizione;
    int (*esegui)(Contesto&, std::span<const std::string> argomenti);
};

// Every command, in the order --help lists them.
std::span<const Comando> comandi();

// The coupon and configuration commands.
int comandoSchedina(Contesto& contesto, std::span<const std::string> argomenti);
int comandoConfigurazione(Contesto& contesto, std::span<const std::string> argomenti);

// Systems, condition files, boards, and the check of a column.
int comandoSistema(Contesto& contesto, std::span<const std::string> argomenti);
int comandoCondizioni(Contesto& contesto, std::span<const std::string> argomenti);
int comandoQuadro(Contesto& contesto, std::span<const std::string> argomenti);
int comandoVerifica(Contesto& contesto, std::span<const std::string> argomenti);
// The values each condition of a condition file measures on columns.
int comandoMisura(Contesto& contesto, std::span<const std::string> argomenti);

// The development of a system and the reduction of a column file.
int comandoSviluppa(Contesto& contesto, std::span<const std::string> argomenti);
int comandoRiduci(Contesto& contesto, std::span<const std::string> argomenti);
// What a set of columns wins over every result of a forecast or of a column file.
int comandoGaranzie(Contesto& contesto, std::span<const std::string> argomenti);

// The contest archive: list, add, delete, and its cached analysis tables.
int comandoArchivio(Contesto& contesto, std::span<const std::string> argomenti);

// The columns of a column file, expanded on request.
int comandoColonne(Contesto& contesto, std::span<const std::string> argomenti);

// The column file tools: conversion, set operations, grouping.
int comandoConverti(Contesto& contesto, std::span<const std::string> argomenti);
int comandoOperazioni(Contesto& contesto, std::span<const std::string> argomenti);
int comandoAccorpa(Contesto& contesto, std::span<const std::string> argomenti);
// The plays recorded for a contest, their cost and scores.
int comandoGiocate(Contesto& contesto, std::span<const std::string> argomenti);
// The library of ready-made reduced systems.
int comandoMatrici(Contesto& contesto, std::span<const std::string> argomenti);

// The statistics of the archive: the system's record, a group of numbers,
// the fixed-number ranking, the single numbers and the statistical forecast.
int comandoStatistica(Contesto& contesto, std::span<const std::string> argomenti);
int comandoGruppo(Contesto& contesto, std::span<const std::string> argomenti);
int comandoFisse(Contesto& contesto, std::span<const std::string> argomenti);
int comandoNumeri(Contesto& contesto, std::span<const std::string> argomenti);
int comandoPronosticoStatistico(Contesto& contesto, std::span<const std::string> argomenti);
// The check of a column file against a winning column and against the archive.
int comandoSpoglio(Contesto& contesto, std::span<const std::string> argomenti);
int comandoSpoglioStorico(Contesto& contesto, std::span<const std::string> argomenti);
// The analysis data set of one condition of a system.
int comandoAnalisi(Contesto& contesto, std::span<const std::string> argomenti);

// Runs the command line (without the program name).
int esegui(std::span<const std::string> argomenti, const std::filesystem::path& cartellaPredefinita,
           std::ostream& out, std::ostream& err);

}  // namespace ludo::cli
