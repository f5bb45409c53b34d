#pragma once
// "Consecutività Differenziata dei Segni": for the columns whose count of
// numbers of one parity ("Segno" P or D) is accepted in "Segni", the
// longest run of numbers of that parity; one condition or a group of them.

#include <memory>

#include "ui/conditions/TFrmCondizione.h"

namespace Ui {
class TFrmConsec;
}

class TFrmConsec : public TFrmCondizione {
    Q_OBJECT
  public:
    TFrmConsec(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmConsec() override;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override;
    void CaricaSpecifici(const ludo::TCondizione& vista) override;
    bool MemorizzaSpecifici(ludo::TCondizione& vista) override;

  private:
    std::unique_ptr<Ui::TFrmConsec> ui;
};
