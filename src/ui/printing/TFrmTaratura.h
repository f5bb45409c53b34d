#pragma once
// "Taratura Schedine": adapts the slip geometry of each orientation to the
// printer and to the way the slip is fed. Every value is edited in tenths
// of a millimetre; the preview draws the boxes of all six columns and the
// label on a picture of the slip at 2 pixels per millimetre. "Test" prints
// a slip with every box marked; "Annulla" puts the geometries back.

#include <QDialog>
#include <QImage>
#include <array>
#include <memory>

#include "core/system/ImpostazioniStampa.h"
#include "core/system/T_Sistema.h"

namespace Ui {
class TFrmTaratura;
}

class QLineEdit;

inline constexpr char MsgValoreNonIntero[] = "' non è un numero intero valido.";

class TFrmTaratura : public QDialog {
    Q_OBJECT
public:
    explicit TFrmTaratura(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFrmTaratura() override;

    // The preview as last drawn.
    [[nodiscard]] const QImage& Anteprima() const { return anteprima_; }

    void TestClick();
    void OKBtnClick();
    void reject() override;

private:
    void CaricaControlli();
    // The controls into the geometry shown; false, with nothing stored,
    // when a text box does not hold a whole number (the first such box is
    // named in nonValido).
    bool SalvaControlli(QString* nonValido = nullptr);
    bool SalvaOSegnala();
    void Modificato();
    void CambioTipo();
    void Sposta(double ludo::SlipGeometry::*campo, int verso);
    void DisegnaAnteprima();
    [[nodiscard]] ludo::SlipGeometry& Geometria();
    [[nodiscard]] int TipoScelto() const;

    std::unique_ptr<Ui::TFrmTaratura> ui;
    ludo::T_Sistema& sistema_;
    std::array<ludo::SlipGeometry, 2> salvate_;
    int tipo_;  // the orientation whose geometry the controls show
    QImage schedina_;
    QImage anteprima_;
    bool caricando_ = false;
};
