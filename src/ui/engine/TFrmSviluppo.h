#pragma once
// The development window ("Sviluppo"): it runs the development of the
// system on a worker thread and shows, as the engine reports them, the
// columns examined, rejected and kept with their cost, the reduction's
// figures, the state of the run and, at the end, the two pies with their
// legends. It is not modal; "Annulla" stops a run, and once the run is over
// OK alone remains to close the window.

#include <QDialog>
#include <memory>

#include "core/engine/Sviluppo.h"
#include "core/system/Configurazione.h"

namespace Ui {
class TFrmSviluppo;
}
namespace ludo {
class T_Sistema;
}
class LavoroInParallelo;
class PonteSviluppo;

class TFrmSviluppo : public QDialog {
    Q_OBJECT
public:
    explicit TFrmSviluppo(QWidget* parent = nullptr);
    ~TFrmSviluppo() override;

    // Shows the window and starts developing a copy of sistema; the result
    // becomes the system's when the run ends, so sistema must not change
    // meanwhile (the main window locks itself).
    void Avvia(ludo::T_Sistema& sistema);
    [[nodiscard]] bool InCorso() const { return inCorso_; }
    [[nodiscard]] const ludo::EsitoSviluppo& Esito() const { return esito_; }

    // "Annulla": stops the run, or closes the window when none is running.
    void AnnullaClick();
    // Escape, OK and the window's close button: a run is stopped first, and
    // the window closes once none is running.
    void reject() override;

signals:
    // The run is over and its result is in the system.
    void Terminato();
    // The window was closed.
    void Chiusa();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Prepara(const ludo::T_Sistema& sistema);
    void Finito();
    void AggiornaCond(qint64 totale, qint64 finali, bool finale, qint64 esaminate);
    void AggiornaCondRid(qint64 totale, qint64 accettate, bool finale, qint64 ridotte, qint64 esaminate);
    void AggiornaRidOtt(qint64 totale, qint64 corrente, bool finale, qint64 esaminate);
    // The gauge takes p when it grew by more than the step, or at the end.
    bool AggiornaGauge(qint64 fatto, qint64 totale, bool finale, int passo);
    void MostraFattore(qint64 prima, qint64 dopo);
    [[nodiscard]] QString ConCosto(qint64 colonne) const;

    std::unique_ptr<Ui::TFrmSviluppo> ui;
    PonteSviluppo* ponte_;
    LavoroInParallelo* filo_;
    ludo::T_Sistema* sistema_ = nullptr;
    std::unique_ptr<ludo::T_Sistema> copia_;  // what the worker develops
    ludo::EsitoSviluppo esito_;
    QString errore_;
    QString conFisse_;  // "di cui N con le fisse", shown with the initial columns
    ludo::Configurazione config_;
    int partecipanti_ = 1;
    bool inCorso_ = false;
    bool ottimizzata_ = false;
    qint64 ultimaRidotta_ = -1;
};
