#pragma once
// Answers every file dialog that opens while it lives with one path (an
// empty one gives the dialog up) and remembers the requests.

#include <QList>
#include <QString>
#include <filesystem>

#include "ui/controls/DialoghiFile.h"

class RispostaFile {
  public:
    explicit RispostaFile(QString percorso) {
        RispostaDialogoFile = [this, percorso](const RichiestaFile& r) {
            richieste.append(r);
            return percorso;
        };
    }
    explicit RispostaFile(const std::filesystem::path& percorso)
        : RispostaFile(QString::fromStdString(percorso.string())) {}
    ~RispostaFile() { RispostaDialogoFile = nullptr; }
    RispostaFile(const RispostaFile&) = delete;
    RispostaFile& operator=(const RispostaFile&) = delete;

    QList<RichiestaFile> richieste;
};
