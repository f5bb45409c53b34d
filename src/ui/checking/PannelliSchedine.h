#pragma once
// Four slips side by side, each in a column-set view, and a scroll bar that
// moves over the slips one at a time. The column views and the winning
// slips window show their slips here.

#include <QWidget>
#include <array>
#include <vector>

#include "core/checking/Spoglio.h"

class QScrollBar;
class TGVisColonne;

class PannelliSchedine : public QWidget {
    Q_OBJECT
  public:
    explicit PannelliSchedine(QWidget* parent = nullptr);

    // Shows the slips from the first; the scroll bar's maximum is the
    // number of slips less four, or 0.
    void ImpostaSchedine(std::vector<ludo::TSchedinaVin> schedine);
    [[nodiscard]] const std::vector<ludo::TSchedinaVin>& Schedine() const { return schedine_; }
    [[nodiscard]] QScrollBar* Scorrimento() const { return scorrimento_; }
    [[nodiscard]] TGVisColonne* Pannello(int i) const {
        return pannelli_.at(static_cast<std::size_t>(i));
    }

  private:
    void Mostra(int primo);

    std::array<TGVisColonne*, ludo::SchedineVisibili> pannelli_{};
    QScrollBar* scorrimento_;
    std::vector<ludo::TSchedinaVin> schedine_;
};
