#pragma once
// "Andamento storico della quantità dei Segni": for each value of the
// measures of one condition, how often the winning columns of the
// selected contests produced it (page "Frequenze", as a chart or a table,
// counts or percentages, of the values present or of their runs) and how
// long ago it last occurred (page "Ritardi").

#include <QDialog>
#include <memory>

#include "core/statistics/TGestoreGrDati.h"

namespace Ui {
class TFrmAnalisiStorica;
}

class TFrmAnalisiStorica : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("analisi-storica");
    static inline const QString NomeFilePdf = QStringLiteral("Andamento storico.pdf");

    explicit TFrmAnalisiStorica(ludo::TGestoreGrDati dati, QWidget* parent = nullptr);
    ~TFrmAnalisiStorica() override;

    [[nodiscard]] const ludo::TGestoreGrDati& Dati() const { return dati_; }

  private:
    [[nodiscard]] bool Percentuale() const;
    [[nodiscard]] bool Consecutivita() const;
    // The view with the most rows: its labels head the rows.
    [[nodiscard]] const ludo::TVista& VistaPiuLunga() const;
    [[nodiscard]] QStringList Etichette() const;
    void AggiornaFrequenze();
    void AggiornaGrafico();
    void AggiornaRitardi();
    void StampaClick();

    std::unique_ptr<Ui::TFrmAnalisiStorica> ui;
    ludo::TGestoreGrDati dati_;
};
