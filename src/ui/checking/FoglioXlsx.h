#pragma once
// The historical check's tables as a spreadsheet file (.xlsx): the cells as
// text, the columns as wide as the sheet asks, the highlighted rows filled.
// The file is written beside the target and put in place only when
// complete, so a failure leaves no half file and an older file untouched.

#include <QString>
#include <filesystem>
#include <functional>

#include "core/checking/SpoglioStorico.h"

inline constexpr char MsgImpossibileSalvareFoglio[] = "Impossibile salvare il foglio di calcolo";
inline constexpr char MsgNessunProgrammaFoglio[] =
    "Nessun programma può aprire il foglio di calcolo. Il file è stato salvato in ";

// True when the file now holds the sheet.
bool ScriviFoglioXlsx(const ludo::FoglioEsportazione& foglio,
                      const std::filesystem::path& percorso);

// Opens the file in the desktop's spreadsheet program; false when nothing
// could open it.
bool ApriFoglioDiCalcolo(const QString& file);

// When set, stands in for the desktop in ApriFoglioDiCalcolo (tests).
extern std::function<bool(const QString&)> AperturaFoglioDiProva;
