#pragma once
// "Calcolo delle garanzie": what a set of columns (the system's, or a column
// file's) wins over every possible result — the 8-, 7- or 6-number subsets
// of the forecast, or the columns of a comparison file — as tables of the
// 8, 7 and 6 points scored with the share of the results giving each. The
// calculation runs on a thread of its own with a gauge and "Interrompi";
// the tables stay in the system and the shown one can be printed.

#include <QDialog>
#include <array>
#include <memory>

#include "core/engine/Garanzie.h"
#include "core/system/T_Sistema.h"

namespace Ui {
class TFrmCalcGaranzie;
}

class AvanzamentoCondiviso;
class LavoroInParallelo;
class QLineEdit;
class QTimer;

class TFrmCalcGaranzie : public QDialog {
    Q_OBJECT
public:
    static inline const QString PaginaGuida = QStringLiteral("garanzie");

    explicit TFrmCalcGaranzie(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFrmCalcGaranzie() override;

    [[nodiscard]] bool InCorso() const;
    // The table shown: 8, 7 or 6 (0 before a calculation).
    [[nodiscard]] int ChiaveMostrata() const { return mostrata_; }
    // While the calculation runs, Escape and closing the window stand for "Interrompi".
    void reject() override;

private:
    void ImpostaOggetto();
    void AggiornaForm();
    [[nodiscard]] ludo::ImpostazioniGaranzie AcquisisceForm() const;
    void CercaClick(QLineEdit* edit);
    void CalcolaClick();
    void Aggiorna();
    void Finito();
    void InterrompiClick();
    void MostraTabella(int chiave);
    void SvuotaGriglia();
    void StampaClick();

    std::unique_ptr<Ui::TFrmCalcGaranzie> ui;
    ludo::T_Sistema& sistema_;
    std::unique_ptr<AvanzamentoCondiviso> avanzamento_;
    LavoroInParallelo* filo_;
    QTimer* timer_;
    ludo::EsitoGaranzie esito_;
    std::string errore_;  // the message of a calculation that could not start
    std::array<bool, 3> pronte_{};  // the complete tables of the last calculation: keys 8, 7, 6
    int mostrata_ = 0;
    unsigned versioneFase_ = 0;
};
