#pragma once
// The program's guide, Ludomatic.html in the program folder, opened in the
// desktop's browser; "Impossibile Aprire la Guida" when it cannot be.

#include <filesystem>

class QWidget;

inline constexpr char FileGuidaProgramma[] = "Ludomatic.html";
inline constexpr char MsgGuidaNonApribile[] = "Impossibile Aprire la Guida";

void ApriGuida(const std::filesystem::path& cartellaProgramma, QWidget* parent);
