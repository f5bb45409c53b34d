#pragma once
// The program's guide, Ludomatic.html in the program folder, opened in the
// desktop's browser (at a section when one is named, the id of its
// heading); "Impossibile Aprire la Guida" when it cannot be.

#include <QString>
#include <filesystem>

class QWidget;

inline constexpr char FileGuidaProgramma[] = "Ludomatic.html";
inline constexpr char MsgGuidaNonApribile[] = "Impossibile Aprire la Guida";

void ApriGuida(const std::filesystem::path& cartellaProgramma, QWidget* parent, const QString& sezione = {});
