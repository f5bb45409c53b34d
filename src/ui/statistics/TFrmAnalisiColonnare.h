#pragma once
// "Analisi Colonnare": for each value of the measures of one condition, how
// many columns of the system's integral development produce it, how many
// the condition alone would keep and how many the system kept; beside it
// what the condition filters out against how often its accepted values
// won, and the convenience factor of the two.

#include <QDialog>
#include <memory>

#include "core/statistics/TGestoreGrDati.h"

namespace Ui {
class TFrmAnalisiColonnare;
}

class TFrmAnalisiColonnare : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("analisi-colonnare");
    static inline const QString NomeFilePdf = QStringLiteral("Analisi colonnare.pdf");
    static inline const QString LegendaIntegrale = QStringLiteral("Integrale       ");
    static inline const QString LegendaSingola = QStringLiteral("Cond. Singolo");
    static inline const QString LegendaTenute = QStringLiteral("Col. In Memoria");

    explicit TFrmAnalisiColonnare(ludo::TGestoreGrDati dati, QWidget* parent = nullptr);
    ~TFrmAnalisiColonnare() override;

    [[nodiscard]] const ludo::TGestoreGrDati& Dati() const { return dati_; }
    // The view the chart and the panels show.
    [[nodiscard]] std::size_t VistaScelta() const;

  private:
    [[nodiscard]] bool Globale() const;
    [[nodiscard]] bool Percentuale() const;
    [[nodiscard]] bool Consecutivita() const;
    void Aggiorna();
    void AggiornaTabella();
    void AggiornaGrafico();
    void AggiornaPannelli();
    void StampaClick();

    std::unique_ptr<Ui::TFrmAnalisiColonnare> ui;
    ludo::TGestoreGrDati dati_;
};
