#pragma once
// "Stampa schedine": how the slips go into the printer before a betting-shop
// batch prints ("Verticale" or "Orizzontale"); "Stampa" keeps the choice as
// the default, "Annulla" gives the batch up.

#include <QDialog>
#include <memory>

#include "core/system/Configurazione.h"

namespace Ui {
class TFormOrientamento;
}

class TFormOrientamento : public QDialog {
    Q_OBJECT
public:
    static inline const QString PaginaGuida = QStringLiteral("stampa");

    explicit TFormOrientamento(ludo::Configurazione& config, QWidget* parent = nullptr);
    ~TFormOrientamento() override;

    // Asks; the orientation index chosen (1 across, 2 along), 0 when the
    // user gave up.
    static int Chiedi(ludo::Configurazione& config, QWidget* parent);

private:
    void StampaClick();

    std::unique_ptr<Ui::TFormOrientamento> ui;
    ludo::Configurazione& config_;
};
