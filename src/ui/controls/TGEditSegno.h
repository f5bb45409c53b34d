#pragma once
// One position of a sign pattern: an edit box that takes the letters "P"
// (even) and "D" (odd), each at most once, typed in either case. Up and
// Down ask to move to the neighbouring position.

#include <QLineEdit>
#include <cstdint>

class TGEditSegno : public QLineEdit {
    Q_OBJECT
public:
    explicit TGEditSegno(QWidget* parent = nullptr);

    // One letter only, or up to two.
    void setSingolo(bool singolo);
    [[nodiscard]] bool Singolo() const { return singolo_; }

    // The box's text as a pattern value: "P" 1, "D" 2, "PD" or "DP" 3, else 0.
    [[nodiscard]] std::uint8_t Segno() const;
    static std::uint8_t SegnoDaTesto(const QString& testo);
    static QString TestoDaSegno(std::uint8_t segno);

signals:
    void Sopra();
    void Sotto();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool singolo_ = false;
};
