#pragma once
// Every window of the program opens again where the user left it, with the
// choices of its last opening in this run (the program's TFormSaver).

class QWidget;

// Called once a window is built, before the object it edits is loaded into
// its controls: puts back its stored place, size and control values, and
// stores them again each time the window is hidden, whatever closed it.
// Nothing happens while the program has no store.
void RicordaFinestra(QWidget& finestra);
