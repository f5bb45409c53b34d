#pragma once
// Forecast control with fixed numbers: with UsaFisse a click cycles a cell
// free -> selected -> fixed -> free. Fixed cells are always selected too.

#include "ui/controls/TPronostico.h"

class TPronosticoF : public TPronostico {
    Q_OBJECT
    Q_PROPERTY(quint16 Fisse READ Fisse WRITE setFisse)
    Q_PROPERTY(bool UsaFisse READ UsaFisse WRITE setUsaFisse)
public:
    explicit TPronosticoF(QWidget* parent = nullptr) : TPronostico(parent) {}

    [[nodiscard]] quint16 Fisse() const { return fisse_; }
    // Fixed cells become selected as well.
    void setFisse(quint16 valore);
    [[nodiscard]] bool UsaFisse() const { return usaFisse_; }
    void setUsaFisse(bool usa);

    // The fixed cells as a set of match numbers.
    [[nodiscard]] ludo::Colonna ColonnaFisse() const;
    [[nodiscard]] bool Fissa(int i) const override { return usaFisse_ && (fisse_ & (1u << i)) != 0; }

protected:
    void CliccaCella(int i) override;
    [[nodiscard]] QColor ColoreCella(int i) const override;
    // A deselected cell is no longer fixed.
    void PronosticoCambiato() override { fisse_ &= Pronostico(); }

private:
    quint16 fisse_ = 0;
    bool usaFisse_ = false;
};
