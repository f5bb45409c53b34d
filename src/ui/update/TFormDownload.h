#pragma once
// The download window ("Aggiornamento tramite Internet"): while an update
// runs on a worker thread it shows the step ("Passo 2 di 4") and how much of
// the current file has arrived. "Annulla" stops the transfer and leaves the
// program's files as they were. It stays on top of the program's windows.

#include <QDialog>
#include <chrono>
#include <memory>

#include "core/update/Aggiornamento.h"

namespace Ui {
class TFormDownload;
}
class AvanzamentoCondiviso;
class LavoroInParallelo;
class QTimer;

class TFormDownload : public QDialog {
    Q_OBJECT
public:
    static constexpr int IntervalloAggiornamento = 50;  // ms

    explicit TFormDownload(QWidget* parent = nullptr);
    ~TFormDownload() override;

    // Runs the update, the window open until it ends. A failure is told in
    // the program's message box once the window has closed; the caller
    // shows what a success means (the archive reloaded, the new coupon).
    // attesaMassima: how long a transfer may go without data.
    ludo::EsitoAggiornamento Aggiorna(const ludo::RichiestaAggiornamento& richiesta,
                                      std::chrono::seconds attesaMassima = ludo::AttesaMassimaPredefinita);
    [[nodiscard]] bool InCorso() const { return inCorso_; }

    // Escape and the window's close button stand for "Annulla".
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AnnullaClick();
    void MostraAvanzamento();
    void Finito();

    std::unique_ptr<Ui::TFormDownload> ui;
    LavoroInParallelo* filo_;
    QTimer* timer_;
    std::unique_ptr<AvanzamentoCondiviso> avanzamento_;
    ludo::EsitoAggiornamento esito_;
    unsigned versioneFase_ = 0;
    bool inCorso_ = false;
};
