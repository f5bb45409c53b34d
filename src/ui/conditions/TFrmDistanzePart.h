#pragma once
// "Distanze Particolari": the distance between the numbers at two
// positions of a column; one condition or a group of them. The two
// positions stay in order while they are edited.

#include <memory>

#include "ui/conditions/TFrmCondizione.h"

namespace Ui {
class TFrmDistanzePart;
}

class TFrmDistanzePart : public TFrmCondizione {
    Q_OBJECT
  public:
    TFrmDistanzePart(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmDistanzePart() override;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override;
    void CaricaSpecifici(const ludo::TCondizione& vista) override;
    bool MemorizzaSpecifici(ludo::TCondizione& vista) override;

  private:
    void PrimaCambiata(int prima);
    void SecondaCambiata(int seconda);

    std::unique_ptr<Ui::TFrmDistanzePart> ui;
};
