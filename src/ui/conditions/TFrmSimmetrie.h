#pragma once
// "Simmetrie": pairs of numbers of a column standing symmetric on the
// coupon (or equal signs at symmetric positions of its parity pattern).

#include <memory>

#include "ui/conditions/TFrmCondizioneModo.h"

namespace Ui {
class TFrmSimmetrie;
}

class TFrmSimmetrie : public TFrmCondizioneModo {
    Q_OBJECT
  public:
    TFrmSimmetrie(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmSimmetrie() override;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override;

  private:
    std::unique_ptr<Ui::TFrmSimmetrie> ui;
};
