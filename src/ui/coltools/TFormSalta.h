#pragma once
// "Salta alla Colonna": asks for the number of a column of the editor's
// list, from 1 to the number of columns.

#include <QDialog>
#include <memory>

namespace Ui {
class TFormSalta;
}

class TFormSalta : public QDialog {
    Q_OBJECT
public:
    // colonne >= 1; attuale is proposed (kept within 1..colonne).
    TFormSalta(int colonne, int attuale, QWidget* parent = nullptr);
    ~TFormSalta() override;

    [[nodiscard]] int Colonna() const;

private:
    std::unique_ptr<Ui::TFormSalta> ui;
};
