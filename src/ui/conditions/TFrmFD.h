#pragma once
// "Formule Derivate": the formulas (even-odd counts of a column, "3-5")
// the column may follow, moved between the formulas not accepted and
// "Formule Accettate" with the arrow buttons or a double click.

#include <memory>

#include "ui/conditions/TFrmCondizione.h"

namespace Ui {
class TFrmFD;
}

class QListWidget;
class QListWidgetItem;

class TFrmFD : public TFrmCondizione {
    Q_OBJECT
  public:
    TFrmFD(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmFD() override;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override { return {}; }
    void CaricaSpecifici(const ludo::TCondizione& vista) override;
    bool MemorizzaSpecifici(ludo::TCondizione& vista) override;
    // Every formula goes back among those not accepted.
    void AzzeraSpecifici(ludo::TCondizione& vista) override;

  private:
    // The formulas go to the other list, in formula order.
    void Sposta(const QList<QListWidgetItem*>& scelte, QListWidget* a);
    void Metti(QListWidget* lista, int formula);

    std::unique_ptr<Ui::TFrmFD> ui;
};
