#pragma once
// Bar chart of nine counters, one per score 0..8, labelled "0".."8".

#include <QChartView>
#include <QStringList>
#include <array>

class QBarSet;
class QValueAxis;

class TGBarrePunti : public QChartView {
    Q_OBJECT
public:
    static constexpr int NumeroBarre = 9;

    explicit TGBarrePunti(QWidget* parent = nullptr);

    // The counters, score 0 first; the value axis runs at least a tenth
    // past the highest bar, to a round value.
    void ImpostaContatori(const std::array<double, NumeroBarre>& contatori);
    [[nodiscard]] double Contatore(int punti) const;
    [[nodiscard]] QStringList Etichette() const;
    [[nodiscard]] double MassimoAsse() const;

    [[nodiscard]] QSize sizeHint() const override { return {320, 200}; }

private:
    QBarSet* barre_;
    QValueAxis* asse_;
    QStringList etichette_;
};
