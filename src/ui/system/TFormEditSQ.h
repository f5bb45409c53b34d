#pragma once
// The name of one team, typed for a team list. "OK" accepts a name that
// holds something besides blanks; otherwise it says so and the edit box
// takes the focus again.

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class TFormEditSQ;
}

class TFormEditSQ : public QDialog {
    Q_OBJECT
public:
    explicit TFormEditSQ(QWidget* parent = nullptr);
    ~TFormEditSQ() override;

    // The name without the blanks around it.
    [[nodiscard]] QString Nome() const;
    void ImpostaNome(const QString& nome);

private:
    void OKBtnClick();

    std::unique_ptr<Ui::TFormEditSQ> ui;
};
