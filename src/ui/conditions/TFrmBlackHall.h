#pragma once
// "Vortice": where the walk that alternates between the two ends of the
// parity pattern stops ("Posizione") and how many arms it takes
// ("Bracci"), started from the first position (direct) or from the last
// (inverse), each on its own page.

#include <memory>

#include "ui/conditions/TFrmCondizione.h"

namespace Ui {
class TFrmBlackHall;
}

class TFrmBlackHall : public TFrmCondizione {
    Q_OBJECT
  public:
    TFrmBlackHall(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmBlackHall() override;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override;
    [[nodiscard]] int Pagina() const override;

  private:
    std::unique_ptr<Ui::TFrmBlackHall> ui;
};
