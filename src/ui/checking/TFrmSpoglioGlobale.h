#pragma once
// "Spoglio Globale": every play a betting shop recorded for a contest,
// checked against the winning column typed in the two forecast strips. The
// summary gives the plays and the wins of each kind; the reduced systems
// are listed seven at a time with their own wins. "Stampa" prints both.

#include <QDialog>
#include <memory>

#include "core/checking/ArchivioGiocate.h"

namespace Ui {
class TFrmSpoglioGlobale;
}
class QWidget;

class TFrmSpoglioGlobale : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("spoglio-globale");

    // The check writes its counts into the plays (in memory only).
    TFrmSpoglioGlobale(ludo::TArchivioGiocate& giocate, int concorso, QWidget* parent = nullptr);
    ~TFrmSpoglioGlobale() override;

    [[nodiscard]] ludo::Colonna Vincente() const;

  private:
    void Valuta();
    void MostraRiepilogo();
    void MostraSistemi(int primo);
    void StampaClick();

    std::unique_ptr<Ui::TFrmSpoglioGlobale> ui;
    ludo::TArchivioGiocate& giocate_;
    int concorso_;
};

// Opens the global check of the plays of a contest and waits for it to close.
void ApriSpoglioGlobale(QWidget* parent, ludo::TArchivioGiocate& giocate, int concorso);
