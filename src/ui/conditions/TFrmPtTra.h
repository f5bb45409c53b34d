#pragma once
// "Punti Tra": the intervals of each of the thirty groups, shown one group
// at a time ("Gruppo Tra :") beside the conditions whose tables add their
// values to it. Leaving a group stores its intervals; a group whose
// intervals do not read back is not left. Storing needs an interval in
// some group; "Azzera " empties every group.

#include <memory>

#include "ui/conditions/TFrmCondizione.h"

namespace Ui {
class TFrmPtTra;
}

class TFrmPtTra : public TFrmCondizione {
    Q_OBJECT
  public:
    TFrmPtTra(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmPtTra() override;

  protected:
    [[nodiscard]] QList<PuntiTabella> Punti() const override { return {}; }
    void CaricaSpecifici(const ludo::TCondizione& vista) override;
    bool MemorizzaSpecifici(ludo::TCondizione& vista) override;
    void AzzeraSpecifici(ludo::TCondizione& vista) override;
    [[nodiscard]] int Pagina() const override { return gruppo_; }

  private:
    // The group shown from the view into the pages and the list.
    void MostraGruppo(const ludo::TCondizione& vista);
    // The pages into the view's group shown; false when they do not read back.
    bool MemorizzaGruppo(ludo::TCondizione& vista);
    void GruppoScelto(int gruppo);

    std::unique_ptr<Ui::TFrmPtTra> ui;
    int gruppo_ = 1;
};
