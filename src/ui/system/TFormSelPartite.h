#pragma once
// "Selezione Partite": fills the coupon by clicking team names. The grid
// shows one of the four team lists in two columns, the teams already on
// the coupon highlighted; a click writes the team into the current coupon
// cell and moves on to the next one. The window stands beside the coupon
// half being filled and tells the main window which cell is current, so
// that it can highlight it.

#include <QDialog>
#include <memory>

#include "core/system/ListeSquadre.h"
#include "core/system/SelezioneSquadre.h"

namespace Ui {
class TFormSelPartite;
}
namespace ludo {
class T_Sistema;
}

class TFormSelPartite : public QDialog {
    Q_OBJECT
public:
    // The system is read at every use, so a coupon loaded while the window
    // is open is the one filled.
    TFormSelPartite(ludo::T_Sistema& sistema, ludo::ListeSquadre liste, QWidget* parent = nullptr);
    ~TFormSelPartite() override;

    [[nodiscard]] int Cursore() const { return cursore_; }
    void ImpostaCursore(int cursore);
    [[nodiscard]] ludo::Serie SerieMostrata() const { return serie_; }
    void MostraSerie(ludo::Serie serie);
    // The coupon changed elsewhere: the highlighting follows it.
    void AggiornaForm();

signals:
    // The current coupon cell, when the window opens and whenever it moves.
    void CursoreCambiato(int cursore);
    // A team was written into this coupon cell.
    void SquadraScritta(int cursore);
    // The window was closed.
    void Chiusa();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void SquadraCliccata(int riga, int colonna);
    void Muovi(ludo::Freccia freccia);
    void Posiziona();
    void MostraCursore();
    [[nodiscard]] ludo::Schedina& Coupon() const;

    std::unique_ptr<Ui::TFormSelPartite> ui;
    ludo::T_Sistema& sistema_;
    ludo::ListeSquadre liste_;
    ludo::Serie serie_ = ludo::Serie::A;
    int cursore_ = 0;
};
