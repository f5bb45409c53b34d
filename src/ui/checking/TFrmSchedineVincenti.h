#pragma once
// "Visualizzazione": the slips of six that hold a winning column. With the
// score chosen among "Schedine Con Punti", a slip is listed when one of its
// columns reaches that score or more, and those columns are highlighted.

#include <QDialog>
#include <array>
#include <memory>

#include "core/checking/Spoglio.h"

namespace Ui {
class TFrmSchedineVincenti;
}
class QToolButton;

class TFrmSchedineVincenti : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("schedine-vincenti");

    // punti: the counts of the check; a score nobody reached cannot be chosen,
    // and the highest one reached is shown first.
    TFrmSchedineVincenti(const ludo::ListaColonne& colonne, ludo::Colonna vincente,
                         const ludo::Punteggi& punti, QWidget* parent = nullptr);
    ~TFrmSchedineVincenti() override;

    [[nodiscard]] int PunteggioScelto() const { return scelto_; }

  private:
    void Scegli(int punti);

    std::unique_ptr<Ui::TFrmSchedineVincenti> ui;
    const ludo::ListaColonne& colonne_;
    ludo::Colonna vincente_;
    std::array<QToolButton*, 9> pulsanti_{};
    int scelto_ = -1;
};
