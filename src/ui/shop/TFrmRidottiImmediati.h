#pragma once
// "Ridotti Immediati": a ready-made reduced system of the "Matrici" library
// applied to the numbers the customer chooses. The list shows every matrix
// (numbers, fixed numbers, guarantee, columns, cost); choosing one shows its
// description and asks for its numbers. "Stampa Ridotto" prints the slips
// with the receipt and records the play; the choice can be saved and loaded
// as a ".Rid" file, its columns saved as a column file or put in memory.

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

#include "core/checking/Ricevitoria.h"
#include "core/checking/SistemiAutomatici.h"
#include "core/system/T_Sistema.h"

namespace Ui {
class TFrmRidottiImmediati;
}
class GiocateDelConcorso;

class TFrmRidottiImmediati : public QDialog {
    Q_OBJECT
public:
    static inline const QString PaginaGuida = QStringLiteral("ridotti-immediati");

    explicit TFrmRidottiImmediati(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFrmRidottiImmediati() override;

    [[nodiscard]] const std::vector<ludo::TMatrice>& Matrici() const { return matrici_; }
    // Selects the matrix at that row of the list.
    void SelezionaMatrice(int riga);

private:
    void CaricaElenco();
    void MatriceScelta();
    void AggiornaTabOrder();
    // The chosen matrix with the customer's complete choice applied, or
    // nothing (the message has been shown).
    [[nodiscard]] std::optional<ludo::SistemaDaStampare> Prepara();
    [[nodiscard]] const ludo::TMatrice* MatriceCorrente() const;
    [[nodiscard]] ludo::TCombinazione NumeriScelti() const;
    void ImpostaNumeriScelti(const ludo::TCombinazione& numeri);

    void StampaRidottoClick();
    void SalvaColonneClick();
    void SalvaRidottoClick();
    void CaricaRidottoClick();
    void StampaElencoClick();
    void AdattaClick();
    void AzzeraClick();

    std::unique_ptr<Ui::TFrmRidottiImmediati> ui;
    ludo::T_Sistema& sistema_;
    std::unique_ptr<GiocateDelConcorso> giocate_;
    std::vector<ludo::TMatrice> matrici_;
};
