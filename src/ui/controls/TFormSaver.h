#pragma once
// Window settings store: keeps, for the length of a run, the values of the
// controls of windows that are created afresh at every opening, so that
// they open again with the user's last choices. Calling pattern: create the
// window, RipristinaForm, show it modally, SalvaForm, destroy it.
//
// Controls are stored by kind, each kind played by a Qt widget:
//   "TComboBox"          QComboBox, the current index (-1 for none)
//   "TDirectoryListBox"  TGListaCartelle, the current folder
//   "TCheckbox"          QCheckBox, "1" checked or "0"
//   "TRadioButton"       QRadioButton, "1" or "0"
//   "TSpeedButton"       a checkable QToolButton, "1" down or "0"
//   "TEdit"              QLineEdit, the text
//   "TPanel"             a QLabel with a frame, its text
//   "TSpinEdit"          QSpinBox, the value
//   "TGCasSelector"      TGCasSelector, its numbers ascending, one blank apart
//   "TPronostico"        TPronostico (and TPronosticoF), its selected numbers
// Drive letters have no place on Linux, so drive lists are not stored.
// Only named controls are stored; the search goes down through plain
// containers (widgets, frames, group boxes, tab and stacked pages, scroll
// areas, splitters, tool boxes and tool bars) but never inside a control.
// A stored value that the control cannot take (an index beyond the list, a
// value out of range, a folder that no longer exists) is ignored.

#include <QList>
#include <QString>
#include <vector>

#include "ui/controls/TDataForm.h"

class QWidget;

class TFormSaver {
public:
    // The store of the running program, owned by the main window; none
    // while no main window exists (windows are then not remembered).
    static TFormSaver* Programma();
    static void ImpostaProgramma(TFormSaver* store);

    // Replaces the stored lines of the window (by object name) with the
    // current values of its controls, and keeps its place and size; a
    // window stored for the first time goes at the end of the list.
    void SalvaForm(const QWidget& finestra);
    // Puts the stored values back into the window's controls and the
    // window where it was; nothing happens for a window never stored.
    void RipristinaForm(QWidget& finestra) const;

    [[nodiscard]] const std::vector<TDataForm>& Forms() const { return forms_; }

    // The stored line of one control, empty for a control of no stored kind.
    static QString RigaControllo(const QWidget& controllo);
    // The controls the store looks at, in component order.
    static QList<QWidget*> Componenti(const QWidget& finestra);

private:
    std::vector<TDataForm> forms_;
};
