#pragma once
// "Sistemi Automatici": a batch of random systems for customers who buy a
// ready-made play: integral systems of a fixed or random size, or reduced
// systems from the "Matrici" library of a fixed kind or of a cost between
// two amounts. "Stampa" prints each system with its receipt and records it
// in the play archive of the contest.

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

#include "core/checking/SistemiAutomatici.h"
#include "core/system/T_Sistema.h"

namespace Ui {
class TFrmSistAutomatici;
}
class GiocateDelConcorso;

class TFrmSistAutomatici : public QDialog {
    Q_OBJECT
public:
    static inline const QString PaginaGuida = QStringLiteral("sistemi-automatici");

    explicit TFrmSistAutomatici(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFrmSistAutomatici() override;

private:
    void AggiornaForm();
    [[nodiscard]] ludo::Tecnica TecnicaScelta() const;
    // What each system k of the batch is made of; nothing when no system
    // fits (the message has been shown).
    [[nodiscard]] std::optional<std::vector<ludo::RichiestaSistema>> Richieste();
    [[nodiscard]] std::optional<std::vector<ludo::RichiestaSistema>> RichiesteACostoCasuale();
    // Prepares, prints and records one system; false stops the batch.
    bool StampaSistema(ludo::TGenColonneCasuali& generatore, const ludo::RichiestaSistema& richiesta,
                       int& tipoStampa);
    void StampaClick();

    std::unique_ptr<Ui::TFrmSistAutomatici> ui;
    ludo::T_Sistema& sistema_;
    std::unique_ptr<GiocateDelConcorso> giocate_;
};
