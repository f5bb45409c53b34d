#pragma once
// The program's guide, a folder of HTML pages (one per window, the chapters
// and the index "indice.html"), shown in the program's help window at the
// page of the window that asks: F1 in every window, "Aiuto" buttons and
// "Sommario". When a page is missing the message "Impossibile Aprire la
// Guida" names the file that was looked for.

#include <QString>
#include <filesystem>

class QWidget;
class TFrmGuida;

inline constexpr char CartellaGuidaProgramma[] = "Guida";
inline constexpr char PaginaSommario[] = "indice";
inline constexpr char MsgGuidaNonApribile[] = "Impossibile Aprire la Guida";

// The program folder whose guide is shown; the main window sets it.
void ImpostaCartellaGuida(const std::filesystem::path& cartellaProgramma);

// The folder of the guide's pages: the installed program's own guide when
// there is one (a copy in the user's program folder may come from an older
// version), otherwise the one in the program folder.
std::filesystem::path CartellaPagineGuida();

// The file of a page ("quadro", "quadro#albero": the anchor is left out).
std::filesystem::path FilePaginaGuida(const QString& pagina);

// Shows a page of the guide (its name, possibly with "#anchor"; empty for
// the index) in the help window of the window that asks, opening one when
// there is none. The help window is returned, or nothing when the page is
// missing.
TFrmGuida* ApriGuida(QWidget* parent, const QString& pagina = {});

// F1 in the window opens the guide at its page.
void AiutoFinestra(QWidget& finestra, const QString& pagina);
