#pragma once
// "Colonne Filtro": the numbers a column shares with a filter column (and,
// with "Flag di Posizione", only those standing at the same position);
// one condition or a group of them.

#include <memory>

#include "ui/conditions/TFrmCondizione.h"

namespace Ui {
class TFrmListaColFiltro;
}

class TFrmListaColFiltro : public TFrmCondizione {
    Q_OBJECT
  public:
    TFrmListaColFiltro(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmListaColFiltro() override;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override;
    void CaricaSpecifici(const ludo::TCondizione& vista) override;
    bool MemorizzaSpecifici(ludo::TCondizione& vista) override;

  private:
    std::unique_ptr<Ui::TFrmListaColFiltro> ui;
};
