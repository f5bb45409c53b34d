#pragma once
// "Partecipanti": how many people share the cost of the system and, when
// "Specifica i nomi dei partecipanti" is checked, their names, one a line.
// "OK" writes them into the system, "Annulla" leaves it as it was.

#include <QDialog>
#include <memory>

#include "core/system/T_Sistema.h"

namespace Ui {
class TFrmPartecipanti;
}

inline constexpr int MaxPartecipanti = 100;

class TFrmPartecipanti : public QDialog {
    Q_OBJECT
public:
    explicit TFrmPartecipanti(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFrmPartecipanti() override;

private:
    void ImpostaOggetto();
    void AggiornaForm();
    void OKBtnClick();

    std::unique_ptr<Ui::TFrmPartecipanti> ui;
    ludo::T_Sistema& sistema_;
};
