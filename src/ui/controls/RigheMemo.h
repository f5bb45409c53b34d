#pragma once
// The text of a memo and the list of lines the system keeps of it (the
// comment, the participants' names).

#include <QString>
#include <string>
#include <vector>

// One entry a line. An empty memo has no lines, and a final line feed does
// not open one more.
std::vector<std::string> RigheDelTesto(const QString& testo);
QString TestoDelleRighe(const std::vector<std::string>& righe);
