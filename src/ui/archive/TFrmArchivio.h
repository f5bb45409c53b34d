#pragma once
// "Aggiornamento Archivio": the contests of the archive one at a time, to
// add, modify and delete. The edits are made on the program's archive;
// OK recomputes the cached statistics tables over the whole archive and
// saves both archive files, a close without OK discards the edits by
// reading the archive back from its files.

#include <QDialog>
#include <cstddef>
#include <filesystem>
#include <memory>

#include "core/system/T_Sistema.h"

namespace Ui {
class TFrmArchivio;
}

inline constexpr char MsgEliminaConcorso[] = "Vuoi Eliminare Il Concorso In Esame ?";

class TFrmArchivio : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("aggiornamento-archivio");

    explicit TFrmArchivio(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFrmArchivio() override;

    // The index of the contest shown.
    [[nodiscard]] std::size_t Indice() const { return indice_; }
    [[nodiscard]] bool Modificato() const { return modificato_; }

    void reject() override;

  private:
    void AggiornaForm();
    void Vai(std::size_t indice);
    void AggiungiClick();
    void ModificaClick();
    void EliminaClick();
    void OKBtnClick();
    void Modifica(std::size_t indice);
    // Reads the archive back from its files.
    void Ricarica();

    std::unique_ptr<Ui::TFrmArchivio> ui;
    ludo::ArchivioConcorsi& archivio_;
    ludo::IntervalloRicerca& intervallo_;
    std::filesystem::path cartella_;  // the ARCHIVI folder
    std::size_t indice_ = 0;
    bool modificato_ = false;
};
