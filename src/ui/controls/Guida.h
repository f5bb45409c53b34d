#pragma once
// The program's guide, Ludomatic.html in the program folder, shown in the
// program's help window at the page of the window that asks: F1 in every
// window, "Aiuto" buttons and "Sommario". When the file is missing the
// message "Impossibile Aprire la Guida" names where it was looked for.

#include <QString>
#include <filesystem>

class QWidget;
class TFrmGuida;

inline constexpr char FileGuidaProgramma[] = "Ludomatic.html";
inline constexpr char MsgGuidaNonApribile[] = "Impossibile Aprire la Guida";

// The program folder whose guide is shown; the main window sets it.
void ImpostaCartellaGuida(const std::filesystem::path& cartellaProgramma);

// Shows the guide at a page (the anchor of a section; empty for the top) in
// the help window of the window that asks, opening one when there is none.
// The help window is returned, or nothing when the guide is missing.
TFrmGuida* ApriGuida(QWidget* parent, const QString& pagina = {});

// F1 in the window opens the guide at its page.
void AiutoFinestra(QWidget& finestra, const QString& pagina);
