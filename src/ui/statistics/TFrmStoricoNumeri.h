#pragma once
// "Analisi Storica Della Frequenza Dei Numeri": the record of every number
// over the contests of the search interval (frequency, delays, IC, season
// frequency, runs), matches 1-16 and 17-32 on two pages, the page shown
// also as a chart of frequencies and current delays.

#include <QDialog>
#include <memory>

#include "core/statistics/AnalisiNumeri.h"

namespace Ui {
class TFrmStoricoNumeri;
}

class QTableWidget;

class TFrmStoricoNumeri : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("storico-numeri");
    static inline const QString NomeFilePdf = QStringLiteral("Frequenza dei numeri.pdf");

    explicit TFrmStoricoNumeri(ludo::StatisticheNumeri statistiche, QWidget* parent = nullptr);
    ~TFrmStoricoNumeri() override;

  private:
    void Riempi(QTableWidget& tabella, int primo);
    void AggiornaGrafico();
    void StampaClick();

    std::unique_ptr<Ui::TFrmStoricoNumeri> ui;
    ludo::StatisticheNumeri statistiche_;
};
