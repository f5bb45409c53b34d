#pragma once
// "Accorpamento In Corso..": groups the system's columns into integral
// columns on a thread of its own, showing the pass and the progress; at the
// end it shows the grouping index and the slips needed, and the system has
// the grouped columns. "Annulla" stops the run and leaves the system as it
// was.

#include <QDialog>
#include <memory>

#include "core/coltools/Accorpa.h"
#include "core/system/T_Sistema.h"

namespace Ui {
class TFrmAccorpa;
}

class AvanzamentoCondiviso;
class LavoroInParallelo;
class QTimer;

class TFrmAccorpa : public QDialog {
    Q_OBJECT
public:
    static inline const QString PaginaGuida = QStringLiteral("accorpa");

    explicit TFrmAccorpa(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFrmAccorpa() override;

    [[nodiscard]] bool InCorso() const;
    // While the run goes on, Escape and closing the window stand for "Annulla".
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Avvia();
    void Aggiorna();
    void Finito();
    void AnnullaClick();

    std::unique_ptr<Ui::TFrmAccorpa> ui;
    ludo::T_Sistema& sistema_;
    std::unique_ptr<AvanzamentoCondiviso> avanzamento_;
    LavoroInParallelo* filo_;
    QTimer* timer_;
    ludo::ListaColonne colonne_;  // the worker's copy of the system's columns
    ludo::EsitoAccorpa esito_;
    unsigned versioneFase_ = 0;
    bool avviato_ = false;
    bool errore_ = false;
};
