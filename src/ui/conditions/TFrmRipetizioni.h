#pragma once
// "Ripetizioni": the numbers (or signs) a column repeats from the
// winning columns of the last two contests of the archive.

#include <memory>

#include "ui/conditions/TFrmCondizioneModo.h"

namespace Ui {
class TFrmRipetizioni;
}

class TFrmRipetizioni : public TFrmCondizioneModo {
    Q_OBJECT
  public:
    TFrmRipetizioni(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmRipetizioni() override;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override;

  private:
    std::unique_ptr<Ui::TFrmRipetizioni> ui;
};
