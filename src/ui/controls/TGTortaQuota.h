#pragma once
// Two-slice pie chart: the share kept (or won) in green, the rest in blue.

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

    [[nodiscard]] QSize sizeHint() const override { return {160, 160}; }

private:
    QPieSeries* serie_;
};
