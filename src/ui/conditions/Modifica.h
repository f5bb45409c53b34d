#pragma once
// Modifica: the editor window of a condition, opened modally on it. The
// main window's "Condizioni" menu, the board and the recovery windows all
// open the editors through it.

#include <cstdint>
#include <memory>

class QWidget;
class TFrmCondizione;

namespace ludo {
class TCondizione;
}

struct EsitoModifica {
    bool memorizzata = false;  // closed with "OK": the edits were written back
    bool cambiata = false;     // and the user had changed something
};

// Whether the type code has its editor window in the program.
[[nodiscard]] bool EditorDisponibile(std::uint8_t codice);

// The editor of the condition, built and loaded but not shown; nullptr for
// a type without an editor and for a board (its window is TFrmQuadro).
std::unique_ptr<TFrmCondizione> CreaEditor(ludo::TCondizione& condizione, QWidget* parent);

// Opens the condition's editor (the board window for a board) and waits
// for it to close. A type without an editor is left untouched.
EsitoModifica Modifica(ludo::TCondizione& condizione, QWidget* parent);
