#pragma once
// The start animation of the main window: a ball rolling over the program's
// name, 28 frames played in a loop. It can be paused while long work runs.

#include <QTimer>
#include <QWidget>

class TAnimazioneLogo : public QWidget {
    Q_OBJECT
public:
    static constexpr int PrimoFotogramma = 1;
    static constexpr int UltimoFotogramma = 28;
    static constexpr int IntervalloMs = 80;

    explicit TAnimazioneLogo(QWidget* parent = nullptr);

    void Avvia();
    void Ferma();
    [[nodiscard]] bool InCorso() const { return timer_.isActive(); }
    [[nodiscard]] int Fotogramma() const { return fotogramma_; }

    [[nodiscard]] QSize sizeHint() const override { return {150, 40}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Avanza();
    void DisegnaPallone(QPainter& p, const QPointF& centro, double raggio, double angolo) const;

    QTimer timer_;
    int fotogramma_ = PrimoFotogramma;
};
