#pragma once
// "Inserimento nel quadro corrente": appends to a board one filter column
// for each combination of the fixed-number ranking from rank "Iniziale" to
// "Finale", all with the points chosen here, as long as the board has room.
// The fixed-number search opens it with its ranking.

#include <QDialog>
#include <memory>
#include <vector>

#include "core/statistics/AnalisiNumeri.h"

namespace Ui {
class TFormInsComb;
}

namespace ludo {
class TQuadro;
}

class TFormInsComb : public QDialog {
    Q_OBJECT
  public:
    TFormInsComb(ludo::TQuadro& quadro, std::vector<ludo::TFisse> classifica, QWidget* parent = nullptr);
    ~TFormInsComb() override;

    [[nodiscard]] std::size_t Inserite() const { return inserite_; }

  private:
    void OKBtnClick();

    std::unique_ptr<Ui::TFormInsComb> ui;
    ludo::TQuadro& quadro_;
    std::vector<ludo::TFisse> classifica_;
    std::size_t inserite_ = 0;
};
