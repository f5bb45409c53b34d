#pragma once
// "Spoglio": a column list checked against the winning column typed in the
// two forecast strips (or taken from the goals with "Gol dopo Gol"). With
// eight numbers it shows the columns per score, the three prize categories
// and the conditions of the system that the winning column breaks; with
// more than eight it says so and hides the results.

#include <QDialog>
#include <memory>

#include "core/checking/ClassificaPartite.h"
#include "core/checking/ControlloCondizioni.h"
#include "core/checking/Spoglio.h"
#include "core/system/T_Sistema.h"

namespace Ui {
class TFrmSpoglio;
}
class QListWidgetItem;

class TFrmSpoglio : public QDialog {
    Q_OBJECT
  public:
    static inline const QString PaginaGuida = QStringLiteral("spoglio");

    // The window checks its own copy of the columns.
    TFrmSpoglio(ludo::T_Sistema& sistema, ludo::ListaColonne colonne, QWidget* parent = nullptr);
    ~TFrmSpoglio() override;

    [[nodiscard]] ludo::Colonna Vincente() const;
    void ImpostaVincente(ludo::Colonna vincente);
    // The counts of the last check (all zero while the results are hidden).
    [[nodiscard]] const ludo::Punteggi& Punti() const { return punti_; }
    [[nodiscard]] const ludo::ListaColonne& Colonne() const { return colonne_; }

  private:
    void Valuta();
    void MostraRisultati(bool mostra);
    void MostraCondizioni();
    void ScorriCondizioni(int posizione);
    void CondizioneDoppioClick(QListWidgetItem* riga);
    void GolClick();
    void VisualizzaClick();

    std::unique_ptr<Ui::TFrmSpoglio> ui;
    ludo::T_Sistema& sistema_;
    ludo::ListaColonne colonne_;
    ludo::Punteggi punti_{};
    ludo::ControlloColonna controllo_;
    std::vector<std::string> righe_;  // of "Condizioni Sbagliate", unshifted
    ludo::GolSchedina gol_{};         // as last typed in "Goal Dopo Goal"
};
