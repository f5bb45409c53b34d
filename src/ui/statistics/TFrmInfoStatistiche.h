#pragma once
// "Informazioni Statistiche Sul Sistema": how the system's conditions
// would have done over the archived contests, by prize category: how often
// they let a winning column through, the mean cycle between wins, how long
// the system has gone without one and the delays measured against the
// cycle; for the first category of a developed system also the share of
// columns filtered out and the convenience factor. The search runs on its
// own thread while the window stays live; "Annulla" stops it, leaving the
// figures of the last complete search, and closes the window.

#include <QDialog>
#include <memory>
#include <optional>

#include "core/statistics/StatisticaSistema.h"

namespace Ui {
class TFrmInfoStatistiche;
}
namespace ludo {
class T_Sistema;
}
class AvanzamentoCondiviso;
class LavoroInParallelo;
class QTimer;

class TFrmInfoStatistiche : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("informazioni-statistiche");

    explicit TFrmInfoStatistiche(QWidget* parent = nullptr);
    ~TFrmInfoStatistiche() override;

    // Shows the window and starts a search over sistema, which must not
    // change until Terminata (the main window locks itself).
    void Avvia(ludo::T_Sistema& sistema);
    [[nodiscard]] bool InCorso() const;
    // The last complete search, if any.
    [[nodiscard]] const std::optional<ludo::StatisticaSistema>& Risultato() const {
        return risultato_;
    }

    void reject() override;

  signals:
    // The search ended, complete or stopped.
    void Terminata();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Finito();
    void AnnullaClick();
    void Mostra();
    void MostraFiltrate(bool visibili);

    std::unique_ptr<Ui::TFrmInfoStatistiche> ui;
    LavoroInParallelo* lavoro_;
    QTimer* gauge_;
    std::unique_ptr<AvanzamentoCondiviso> avanzamento_;
    ludo::StatisticaSistema inCorso_;
    std::optional<ludo::StatisticaSistema> risultato_;
    // What the system's development filtered out, taken when a search
    // starts and shown with its result (none before a development).
    std::optional<double> filtroInCorso_;
    std::optional<double> filtrate_;
};
