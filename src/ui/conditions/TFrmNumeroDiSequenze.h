#pragma once
// "Numero di Sequenze": how many runs of consecutive numbers of length 1,
// 2, 3 and 4 a column may hold, one length at a time.

#include <memory>

#include "ui/conditions/TFrmCondizionePagine.h"

namespace Ui {
class TFrmNumeroDiSequenze;
}

class TFrmNumeroDiSequenze : public TFrmCondizionePagine {
    Q_OBJECT
  public:
    TFrmNumeroDiSequenze(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmNumeroDiSequenze() override;

  private:
    std::unique_ptr<Ui::TFrmNumeroDiSequenze> ui;
};
