#pragma once
// "Posizioni": the numbers a column may hold at each of its positions 1..8,
// one position at a time.

#include <memory>

#include "ui/conditions/TFrmCondizionePagine.h"

namespace Ui {
class TFrmPosizioni;
}

class TFrmPosizioni : public TFrmCondizionePagine {
    Q_OBJECT
  public:
    TFrmPosizioni(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmPosizioni() override;

  private:
    std::unique_ptr<Ui::TFrmPosizioni> ui;
};
