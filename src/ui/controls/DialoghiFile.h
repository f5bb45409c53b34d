#pragma once
// The program's open and save dialogs for files. Every request names the
// title, start folder, proposed name, filter and default extension; tests
// answer the dialogs through RispostaDialogoFile instead of a window.

#include <QString>
#include <functional>

class QWidget;

struct RichiestaFile {
    QString titolo;
    QString cartella;    // where the dialog starts
    QString nome;        // the file name proposed
    QString filtro;      // "File Colonnare (*.Col)"
    QString estensione;  // added to a name typed without one ("Col")
    bool salva = false;  // a save dialog; otherwise an open dialog of an existing file
    // Save dialogs ask before replacing a file unless the caller asks itself.
    bool chiediSovrascrittura = true;
};

inline constexpr const char* MsgSovrascrivere = "Il file esiste già. Vuoi sovrascriverlo ? ";

// The chosen path, or an empty string when the user gave up.
QString ChiediFile(QWidget* parent, const RichiestaFile& richiesta);

// A save dialog whose choice of an existing file is confirmed with the
// program's own question (MsgSovrascrivere, "Si" and "No"): the chosen path,
// or an empty string when the user gave up or would not replace the file.
QString ChiediFileDaScrivere(QWidget* parent, RichiestaFile richiesta);

// When set, answers every request in place of the dialog.
extern std::function<QString(const RichiestaFile&)> RispostaDialogoFile;
