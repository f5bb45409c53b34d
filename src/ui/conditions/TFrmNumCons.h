#pragma once
// "Numeri Consecutivi": the longest run of consecutive numbers of a column.

#include <memory>

#include "ui/conditions/TFrmCondizione.h"

namespace Ui {
class TFrmNumCons;
}

class TFrmNumCons : public TFrmCondizione {
    Q_OBJECT
  public:
    TFrmNumCons(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmNumCons() override;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override;

  private:
    std::unique_ptr<Ui::TFrmNumCons> ui;
};
