#pragma once
// An edit box for one match number: at most two digits, centred.

#include <QLineEdit>

class TGEditNum : public QLineEdit {
    Q_OBJECT
public:
    explicit TGEditNum(QWidget* parent = nullptr);

    // The number typed, or -1 when the trimmed text is not a whole number.
    [[nodiscard]] int Numero() const;
    // Writes n, or empties the box for n <= 0.
    void ImpostaNumero(int n);
};
