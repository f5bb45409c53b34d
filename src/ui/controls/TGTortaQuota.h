#pragma once
// Two-slice pie chart: the share kept (or won) in green, the rest in blue,
// with a legend that names each colour and its share.

#include <QChartView>

class QPieSeries;
class QPieSlice;

class TGTortaQuota : public QChartView {
    Q_OBJECT
  public:
    explicit TGTortaQuota(QWidget* parent = nullptr);

    // The green share in percent, clamped to 0..100.
    void ImpostaQuota(double percentuale);
    [[nodiscard]] double Quota() const;
    [[nodiscard]] QPieSlice* FettaQuota() const;
    [[nodiscard]] QPieSlice* FettaResto() const;

    // What the two colours stand for; the legend adds each share.
    void ImpostaLegenda(const QString& quota, const QString& resto);

    [[nodiscard]] QSize sizeHint() const override { return {160, 160}; }

  private:
    void AggiornaLegenda();

    QPieSeries* serie_;
    QString nomeQuota_;
    QString nomeResto_;
};
