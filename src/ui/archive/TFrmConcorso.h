#pragma once
// "Modifica Concorso": one contest of the archive, its type, season,
// number and winning column. OK checks the contest against the archive
// (and, when adding, against the contests already there) and closes only
// when it may stand; the archive itself is left to the caller.

#include <QDialog>
#include <memory>

#include "core/archive/ArchivioConcorsi.h"

namespace Ui {
class TFrmConcorso;
}

class TFrmConcorso : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("modifica-concorso");

    // The dialog shows concorso; aggiunta says whether it will be added.
    TFrmConcorso(const ludo::ArchivioConcorsi& archivio, const ludo::T_Concorso& concorso,
                 bool aggiunta, QWidget* parent = nullptr);
    ~TFrmConcorso() override;

    // The contest as confirmed.
    [[nodiscard]] const ludo::T_Concorso& Concorso() const { return concorso_; }

  private:
    void ImpostaOggetto();
    [[nodiscard]] ludo::T_Concorso AcquisisceForm() const;
    void OKBtnClick();

    std::unique_ptr<Ui::TFrmConcorso> ui;
    const ludo::ArchivioConcorsi& archivio_;
    ludo::T_Concorso concorso_;
    bool aggiunta_;
};
