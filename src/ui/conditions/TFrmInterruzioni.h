#pragma once
// "Interruzioni": the gaps between the numbers of a column (or the
// changes of sign along its parity pattern), in all and those before an
// even or an odd number.

#include <memory>

#include "ui/conditions/TFrmCondizioneModo.h"

namespace Ui {
class TFrmInterruzioni;
}

class TFrmInterruzioni : public TFrmCondizioneModo {
    Q_OBJECT
  public:
    TFrmInterruzioni(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmInterruzioni() override;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override;

  private:
    std::unique_ptr<Ui::TFrmInterruzioni> ui;
};
