#pragma once
// "Goal Dopo Goal": the goals of the 32 matches of the coupon typed as the
// games go on. After every goal the matches are ranked and the winning
// eight shown under "Ottina Vincente : "; "Chiudi" hands them to the check.

#include <QDialog>
#include <array>
#include <memory>

#include "core/checking/ClassificaPartite.h"
#include "core/system/Schedina.h"

namespace Ui {
class TFrmGoalDopoGoal;
}
class QLabel;
class QTableWidget;
class QTableWidgetItem;

class TFrmGoalDopoGoal : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("goal-dopo-goal");
    // Columns of each table.
    enum { ColNumero, ColCasa, ColOspite, ColGolCasa, ColGolOspite, NumeroColonne };

    // The teams come from the coupon; gol: the goals typed the last time.
    TFrmGoalDopoGoal(const ludo::Schedina& schedina, const ludo::GolSchedina& gol,
                     QWidget* parent = nullptr);
    ~TFrmGoalDopoGoal() override;

    [[nodiscard]] const ludo::GolSchedina& Gol() const { return gol_; }
    [[nodiscard]] ludo::Colonna Vincente() const { return ludo::VincenteDaiGol(gol_); }

  signals:
    // After every goal typed: the winning eight as they stand.
    void VincenteCambiata(ludo::Colonna vincente);

  private:
    void PreparaTabella(QTableWidget* tabella, int prima, const ludo::Schedina& schedina);
    void CellaCambiata(QTableWidgetItem* cella, int prima);
    void MostraOttina();

    std::unique_ptr<Ui::TFrmGoalDopoGoal> ui;
    ludo::GolSchedina gol_;
    std::array<QLabel*, 8> ottina_{};
};
