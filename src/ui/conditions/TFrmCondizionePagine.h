#pragma once
// An editor whose tables share one points control: a row of buttons picks
// the table the control shows (a position, a run length). Switching stores
// the table shown into the view and loads the one picked.

#include <QList>

#include "ui/conditions/TFrmCondizione.h"

class QAbstractButton;
class QButtonGroup;

class TFrmCondizionePagine : public TFrmCondizione {
    Q_OBJECT
  protected:
    using TFrmCondizione::TFrmCondizione;

    // The control and the buttons of tables 0, 1, … in order; before
    // ImpostaOggetto.
    void ImpostaPagine(TGGraphpt* controllo, const QList<QAbstractButton*>& pulsanti);

    [[nodiscard]] QList<PuntiTabella> Punti() const override { return {{controllo_, tabella_}}; }
    void CaricaSpecifici(const ludo::TCondizione& vista) override;
    // The tables not shown are cleared in the view.
    void AzzeraSpecifici(ludo::TCondizione& vista) override;
    [[nodiscard]] int Pagina() const override { return tabella_ + 1; }

  private:
    void TabellaScelta(int tabella);

    TGGraphpt* controllo_ = nullptr;
    QButtonGroup* pulsanti_ = nullptr;
    int tabella_ = 0;
};
