#pragma once
// "Sequele": how many windows of signs of the parity pattern a column
// holds, of the kind chosen (the given "Sequela", all one sign, both
// signs, the most frequent pattern, mirror pairs); one condition or a
// group of them. The given pattern must start at position 1 without gaps
// and every kind needs a length of at least 2; typing the pattern sets the
// length to its signs.

#include <memory>

#include "ui/conditions/TFrmCondizione.h"

namespace Ui {
class TFrmSequela;
}

class QButtonGroup;

class TFrmSequela : public TFrmCondizione {
    Q_OBJECT
  public:
    TFrmSequela(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmSequela() override;

    static const QString MessaggioLunghezza;
    static const QString MessaggioContigua;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override;
    void CaricaSpecifici(const ludo::TCondizione& vista) override;
    bool MemorizzaSpecifici(ludo::TCondizione& vista) override;

  private:
    [[nodiscard]] bool Particolare() const;
    // A pattern typed by the user sets the length to its signs.
    void SequelaScritta();
    void CollegaPassi();

    std::unique_ptr<Ui::TFrmSequela> ui;
    QButtonGroup* tipi_;
};
