#pragma once
// "Baricentri": the average of all the numbers of a column, of its even
// and of its odd numbers.

#include <memory>

#include "ui/conditions/TFrmCondizione.h"

namespace Ui {
class TFrmBaricentri;
}

class TFrmBaricentri : public TFrmCondizione {
    Q_OBJECT
  public:
    TFrmBaricentri(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmBaricentri() override;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override;

  private:
    std::unique_ptr<Ui::TFrmBaricentri> ui;
};
