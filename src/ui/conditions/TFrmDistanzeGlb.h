#pragma once
// "Distanze Globali": the smallest, the largest and the total distance
// between the consecutive numbers of a column.

#include <memory>

#include "ui/conditions/TFrmCondizione.h"

namespace Ui {
class TFrmDistanzeGlb;
}

class TFrmDistanzeGlb : public TFrmCondizione {
    Q_OBJECT
  public:
    TFrmDistanzeGlb(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmDistanzeGlb() override;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override;

  private:
    std::unique_ptr<Ui::TFrmDistanzeGlb> ui;
};
