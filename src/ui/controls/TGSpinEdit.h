#pragma once
// A spin box whose arrows keep within the usual range of its value while
// the keyboard may type a wider one (its minimum and maximum): a number
// typed out of the usual range stays in the box, for the window's check to
// refuse with its own message, instead of being put back silently when the
// box loses the focus.

#include <QSpinBox>

class TGSpinEdit : public QSpinBox {
    Q_OBJECT
    Q_PROPERTY(int MinimoFrecce READ MinimoFrecce WRITE setMinimoFrecce)
    Q_PROPERTY(int MassimoFrecce READ MassimoFrecce WRITE setMassimoFrecce)
public:
    explicit TGSpinEdit(QWidget* parent = nullptr) : QSpinBox(parent) {}

    [[nodiscard]] int MinimoFrecce() const { return minimoFrecce_; }
    void setMinimoFrecce(int minimo) { minimoFrecce_ = minimo; }
    [[nodiscard]] int MassimoFrecce() const { return massimoFrecce_; }
    void setMassimoFrecce(int massimo) { massimoFrecce_ = massimo; }
    void ImpostaLimitiFrecce(int minimo, int massimo);

    // An arrow, a page key or the wheel: a value out of the usual range
    // comes back to its nearest end.
    void stepBy(int passi) override;

protected:
    [[nodiscard]] StepEnabled stepEnabled() const override;

private:
    int minimoFrecce_ = 0;
    int massimoFrecce_ = 99;
};
