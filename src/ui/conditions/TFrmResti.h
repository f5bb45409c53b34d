#pragma once
// "Resti": the remainder of the sum of a column's numbers divided by a
// divisor 2..99; one condition or a group of them. The points control
// offers the remainders 0 .. divisor - 1.

#include <memory>

#include "ui/conditions/TFrmCondizione.h"

namespace Ui {
class TFrmResti;
}

class TFrmResti : public TFrmCondizione {
    Q_OBJECT
  public:
    TFrmResti(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmResti() override;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override;
    void CaricaSpecifici(const ludo::TCondizione& vista) override;
    bool MemorizzaSpecifici(ludo::TCondizione& vista) override;

  private:
    std::unique_ptr<Ui::TFrmResti> ui;
};
