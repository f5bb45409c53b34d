#pragma once
// The start animation of the main window: a ball rolls in, 28 frames, and
// comes to rest beside the program's name, which it never covers. Long work
// pauses it; once at rest it stays there.

#include <QTimer>
#include <QWidget>

class TAnimazioneLogo : public QWidget {
    Q_OBJECT
  public:
    static constexpr int PrimoFotogramma = 1;
    static constexpr int UltimoFotogramma = 28;
    static constexpr int IntervalloMs = 80;

    explicit TAnimazioneLogo(QWidget* parent = nullptr);

    // Plays on from the frame reached, unless the ball is already at rest.
    void Avvia();
    // Pauses while long work runs.
    void Ferma();
    [[nodiscard]] bool InCorso() const { return timer_.isActive(); }
    [[nodiscard]] bool InPausa() const { return inPausa_; }
    [[nodiscard]] int Fotogramma() const { return fotogramma_; }

    [[nodiscard]] QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Avanza();
    [[nodiscard]] QFont FontNome() const;
    [[nodiscard]] double Raggio() const { return height() / 2.0 - 3; }
    void DisegnaPallone(QPainter& p, const QPointF& centro, double raggio, double angolo) const;

    QTimer timer_;
    int fotogramma_ = PrimoFotogramma;
    bool inPausa_ = false;
};
