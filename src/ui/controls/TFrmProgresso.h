#pragma once
// Progress window of a long operation: caption, a text, the current phase,
// a gauge and, where the operation may be stopped, "Annulla". It reads the
// shared progress sink on a timer, so the worker never waits for it, and
// it closes only when told that the worker has ended.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class AvanzamentoCondiviso;

class TFrmProgresso : public QDialog {
    Q_OBJECT
public:
    static constexpr int IntervalloAggiornamento = 50;  // ms

    TFrmProgresso(const QString& titolo, const QString& testo, bool conAnnulla, AvanzamentoCondiviso& avanzamento,
                  QWidget* parent = nullptr);

    // The operation ended: the window closes.
    void Termina();
    // Escape and the window's close button stand for "Annulla".
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Aggiorna();
    void AnnullaClick();

    AvanzamentoCondiviso& avanzamento_;
    QLabel* fase_;
    QProgressBar* gauge_;
    QPushButton* annulla_;
    QTimer* timer_;
    unsigned versioneFase_ = 0;
};
