#pragma once
// An editor of a type that works on the numbers or on the parity pattern
// ("Tipo": " Numeriche" or " Pari Dispari"). Switching the type sets the
// range of every table at once (numbers 1..32 or positions 1..8), keeping
// the values the user marked.

#include "ui/conditions/TFrmCondizione.h"

class QAbstractButton;

class TFrmCondizioneModo : public TFrmCondizione {
    Q_OBJECT
  protected:
    using TFrmCondizione::TFrmCondizione;

    // The two "Tipo" buttons; before ImpostaOggetto.
    void ImpostaTipo(QAbstractButton* numeri, QAbstractButton* schema);

    void CaricaSpecifici(const ludo::TCondizione& vista) override;
    bool MemorizzaSpecifici(ludo::TCondizione& vista) override;

  private:
    void TipoScelto();

    QAbstractButton* numeri_ = nullptr;
    QAbstractButton* schema_ = nullptr;
};
