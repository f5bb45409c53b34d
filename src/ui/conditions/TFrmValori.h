#pragma once
// "Picchetti": the sum (or the product, as a percentage) of the coupon's
// "Picch." values of a column's matches among those chosen, tested in
// intervals; one condition or a group of them. Only matches in play can
// be chosen and at least 8 stay chosen; a view whose choice no longer
// fits the forecast is completed, and the user told, before it is stored.

#include <array>
#include <memory>

#include "core/columns/Colonna.h"
#include "ui/conditions/TFrmCondizioneIntervalli.h"

namespace Ui {
class TFrmValori;
}

class TFrmValori : public TFrmCondizioneIntervalli {
    Q_OBJECT
  public:
    TFrmValori(ludo::TCondizione& condizione, QWidget* parent = nullptr);
    ~TFrmValori() override;

    static const QString MessaggioMenoDiOtto;
    static const QString MessaggioCompletate;

  protected:
    void CaricaSpecifici(const ludo::TCondizione& vista) override;
    bool MemorizzaSpecifici(ludo::TCondizione& vista) override;

  private:
    void CreaRighe();
    void MostraPartite(const std::array<bool, 32>& partite);
    [[nodiscard]] std::array<bool, 32> Partite() const;
    [[nodiscard]] bool InGioco(int partita) const;
    void CambiaPartita(int riga);
    void TipoScelto();

    std::unique_ptr<Ui::TFrmValori> ui;
    ludo::Colonna inGioco_ = 0;
};
