#pragma once
// "Somme": the sum of a column's numbers among the matches chosen in
// "Partite da Sommare", tested in intervals; one condition or a group of
// them. The window shows the lowest and the highest sum a column can give
// on the matches chosen.

#include <memory>

#include "core/columns/Colonna.h"
#include "ui/conditions/TFrmCondizioneIntervalli.h"

namespace Ui {
class TFormListaSomme;
}

class TFormListaSomme : public TFrmCondizioneIntervalli {
    Q_OBJECT
  public:
    TFormListaSomme(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFormListaSomme() override;

  protected:
    void CaricaSpecifici(const ludo::TCondizione& vista) override;
    bool MemorizzaSpecifici(ludo::TCondizione& vista) override;

  private:
    [[nodiscard]] ludo::Colonna Partite() const;
    void ScegliPartite(ludo::Colonna partite);
    void MostraPossibili();

    std::unique_ptr<Ui::TFormListaSomme> ui;
};
