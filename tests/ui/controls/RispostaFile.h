#pragma once
// Answers every file dialog that opens while it lives with one path (an
// empty one gives the dialog up) and remembers the requests.

#include <QtCore>
#include <filesystem>
#include <functional>

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

// Runs azione answering its file dialogs with percorso; the requests they made.
template <class Percorso>
QList<RichiestaFile> RichiesteDi(const Percorso& percorso, const std::function<void()>& azione) {
    RispostaFile risposta(percorso);
    azione();
    return risposta.richieste;
}
