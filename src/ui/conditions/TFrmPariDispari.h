#pragma once
// "Pari e Dispari": how many even and odd numbers a column holds, and
// their longest runs ("Con.").

#include <memory>

#include "ui/conditions/TFrmCondizione.h"

namespace Ui {
class TFrmPariDispari;
}

class TFrmPariDispari : public TFrmCondizione {
    Q_OBJECT
  public:
    TFrmPariDispari(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmPariDispari() override;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override;

  private:
    std::unique_ptr<Ui::TFrmPariDispari> ui;
};
