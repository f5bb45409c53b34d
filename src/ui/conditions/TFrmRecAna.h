#pragma once
// "Analisi Delle Colonne Filtrate": the columns the recoveries of one link
// refused in the last development, per level, per number of errors in the
// link and per total of errors over all links; "%" shows shares, "Valori"
// the counts, "Stampa" prints the three grids.

#include <QDialog>
#include <memory>

#include "core/conditions/AnalisiRecuperi.h"

namespace Ui {
class TFrmRecAna;
}

class QTableWidget;

class TFrmRecAna : public QDialog {
    Q_OBJECT
  public:
    static constexpr char TitoloStampa[] = "Stampa Delle Colonne Filtrate Dal Recupero Condizioni";

    TFrmRecAna(const ludo::TInsiemeLink& link, char lettera, QWidget* parent = nullptr);
    ~TFrmRecAna() override;

    [[nodiscard]] bool Percentuali() const { return percentuale_; }

  private:
    void Mostra();
    void StampaClick();

    std::unique_ptr<Ui::TFrmRecAna> ui;
    ludo::AnalisiRecuperi analisi_;
    bool percentuale_ = false;
};
