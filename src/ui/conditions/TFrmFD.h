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

class TFrmFD : public TFrmCondizione {
    Q_OBJECT
public:
    TFrmFD(ludo::TCondizione& condizione, const std::filesystem::path& cartellaProgramma, QWidget* parent = nullptr);
    ~TFrmFD() override;

protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override { return {}; }
    void CaricaSpecifici(const ludo::TCondizione& vista) override;
    bool MemorizzaSpecifici(ludo::TCondizione& vista) override;
    // Every formula goes back among those not accepted.
    void AzzeraSpecifici(ludo::TCondizione& vista) override;

private:
    // The formulas chosen in one list go to the other, in formula order.
    void Sposta(QListWidget* da, QListWidget* a);
    void Metti(QListWidget* lista, int formula);

    std::unique_ptr<Ui::TFrmFD> ui;
};
