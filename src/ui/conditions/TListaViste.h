#pragma once
// The views of a condition editor: one private copy of each condition the
// window edits, and the one shown. Nothing reaches the edited object
// before Scrivi; destroying the list destroys the copies.

#include <memory>
#include <vector>

namespace ludo {
class TCondizione;
class TGruppo;
}  // namespace ludo

// One condition being edited: a copy the window works on.
struct TVista {
    std::unique_ptr<ludo::TCondizione> Condizione;
};

// Views and the one shown, with the moves of the group navigation.
class TListaViste {
  public:
    std::vector<TVista> Viste;
    int Corrente = 0;  // index of the view shown

    [[nodiscard]] int Numero() const { return static_cast<int>(Viste.size()); }
    [[nodiscard]] bool Vuota() const { return Viste.empty(); }
    [[nodiscard]] ludo::TCondizione& Mostrata() const;

    void Primo() { Corrente = 0; }
    void Ultimo() { Corrente = Numero() - 1; }
    void Precedente();
    void Successivo();
    // Deletes the view shown when there is more than one; the index moves
    // back when it was the last. False when nothing was deleted.
    bool Elimina();
};

// The views of one condition given to a window: the condition alone, or
// every member of a group.
class TListaVisteC : public TListaViste {
  public:
    // Loads copies: of the condition itself, or of each member of a group
    // in member order. A group with no member gets one new member at once.
    void ImpostaOggetto(ludo::TCondizione& oggetto);
    [[nodiscard]] ludo::TCondizione& Oggetto() const { return *oggetto_; }
    // The object is edited alone (no group navigation).
    [[nodiscard]] bool Singolo() const { return gruppo_ == nullptr; }

    // A group's new default member, appended and shown.
    void Aggiungi();
    // The copies go back: over the condition itself, or as the group's new
    // member list, in view order.
    void Scrivi() const;

  private:
    ludo::TCondizione* oggetto_ = nullptr;
    ludo::TGruppo* gruppo_ = nullptr;
};
