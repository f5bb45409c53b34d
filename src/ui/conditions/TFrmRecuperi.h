#pragma once
// "Recupero Condizioni": the limits on the recoveries of each link 'A'..'Z'
// and of all links together. The window works on a copy of the system's
// link set: the letter pressed shows the conditions in that link, the
// admitted errors of the link and of all links with their "Max"; leaving
// a letter or "Ok" checks and keeps the edit, "Ok" gives the limits back
// to the system when they changed, "Annulla" drops them.

#include <QDialog>
#include <memory>

#include "core/conditions/TInsiemeLink.h"

namespace Ui {
class TFrmRecuperi;
}

namespace ludo {
class T_Sistema;
}

class QAbstractButton;

class TFrmRecuperi : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmRecuperi(ludo::T_Sistema& sistema, QWidget* parent = nullptr);
    ~TFrmRecuperi() override;

    [[nodiscard]] char Lettera() const { return lettera_; }
    [[nodiscard]] const ludo::TInsiemeLink& Lavoro() const { return lavoro_; }
    // True once "Ok" gave changed limits (or edited conditions) to the system.
    [[nodiscard]] bool Cambiato() const { return cambiato_ && result() == Accepted; }

  private:
    // The members of the links from the system's conditions, keeping the
    // limits edited so far.
    void PreparaLink();
    void Mostra();
    // Keeps the edit of the letter shown; false, with the message, when a
    // limit goes above its "Max".
    bool Memorizza();
    void LetteraClick(char lettera);
    void CondizioneDoppioClick(int riga);
    void AzzeraClick();
    void AnalisiClick();
    void OkBtnClick();

    std::unique_ptr<Ui::TFrmRecuperi> ui;
    ludo::T_Sistema& sistema_;
    ludo::TInsiemeLink lavoro_;
    char lettera_ = 'A';
    bool cambiato_ = false;
};
