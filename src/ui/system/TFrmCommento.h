#pragma once
// "Commento": the system's free comment in a memo; "Ok" writes it into the
// system, "Annulla" leaves it as it was.

#include <QDialog>
#include <memory>

#include "core/system/T_Sistema.h"

namespace Ui {
class TFrmCommento;
}

class TFrmCommento : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCommento(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFrmCommento() override;

private:
    void OKBtnClick();

    std::unique_ptr<Ui::TFrmCommento> ui;
    ludo::T_Sistema& sistema_;
};
