#pragma once
// Printouts written to a PDF file, when "Imposta Stampante" chose printing to
// a file: each job asks for its file, proposing the name of the system, in
// the folder of the last one; an existing file is replaced only when the
// user says so, and the user is told where the printout went.

#include <QString>
#include <functional>

class QWidget;

inline constexpr char MsgStampaSalvata[] = "La stampa è stata salvata nel file ";

// The next job goes to a PDF file (the program's printer writes one and no
// other surface stands in for it).
bool StampaSuFile();

// The file of this job, given to the program's printer; empty when the user
// gave up (nothing is printed then).
QString ChiediFileStampa(QWidget* parent, const QString& nomeProposto);

// Tells where the printout went.
void AvvisaFileStampa(QWidget* parent, const QString& file);

// Runs a print job behind the wait cursor. A failure is shown to the user
// (the core's own message, or `messaggioGenerico` for anything else) and
// gives false; a job written to `file` tells the user where it went.
bool EseguiStampa(QWidget* parent, const std::function<void()>& stampa,
                  const char* messaggioGenerico, const QString& file);
