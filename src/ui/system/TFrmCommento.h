#pragma once
// "Commento": a free comment in a memo (the system's, or a board's); "Ok"
// writes it back, "Annulla" leaves it as it was.

#include <QDialog>
#include <memory>

#include "core/system/T_Sistema.h"

namespace Ui {
class TFrmCommento;
}

class TFrmCommento : public QDialog {
    Q_OBJECT
public:
    // The system's comment; a change marks the system modified.
    explicit TFrmCommento(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    TFrmCommento(std::vector<std::string>& righe, QWidget* parent = nullptr);
    ~TFrmCommento() override;

    // True once "Ok" wrote back a changed comment.
    [[nodiscard]] bool Cambiato() const { return cambiato_; }

private:
    void OKBtnClick();

    std::unique_ptr<Ui::TFrmCommento> ui;
    std::vector<std::string>& righe_;
    bool cambiato_ = false;
};
