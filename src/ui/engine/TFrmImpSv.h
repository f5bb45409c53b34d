#pragma once
// "Impostazioni di Sviluppo": where the columns come from and go, whether
// the conditions are used, how the development reduces, and the automatic
// recalculation. It edits the system's settings on "OK".

#include <QDialog>
#include <memory>

#include "core/system/T_Sistema.h"

namespace Ui {
class TFrmImpSv;
}

inline constexpr const char* MsgFileSorgenteMancante = "Il File Sorgente non Esiste.";

class TFrmImpSv : public QDialog {
    Q_OBJECT
public:
    explicit TFrmImpSv(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFrmImpSv() override;

    // True once "OK" stored settings different from those the window opened with.
    [[nodiscard]] bool Cambiato() const { return cambiato_; }

    // Applies the dependencies between the controls.
    void AggiornaForm();

private:
    void ImpostaOggetto();
    void AcquisisceForm(ludo::DefSorg& sorgente, ludo::DefDest& destinazione) const;
    void OKBtnClick();
    void CercaSorgenteClick();
    void CercaDestinazioneClick();
    [[nodiscard]] QString CartellaColonne() const;

    std::unique_ptr<Ui::TFrmImpSv> ui;
    ludo::T_Sistema& sistema_;
    bool cambiato_ = false;
};
