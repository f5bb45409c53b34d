#pragma once
// "Quadro": the board of conditions. The window edits a copy of the board
// (and of every board nested in it) and shows one board at a time, the
// current one: its name, state, the accepted counts (from the relation,
// "Preset", or chosen value by value, "Particolari"), and its members on
// seven panels under a scroll bar. A click selects members, a double-click
// edits a member or descends into a nested board, the popup menu inserts,
// cuts, copies, pastes, deletes, saves and loads members. "OK" writes the
// copy back into the board, "Annulla" leaves it as it was.

#include <QDialog>
#include <array>
#include <memory>
#include <vector>

#include "core/conditions/TQuadro.h"

namespace Ui {
class TFrmQuadro;
}

class QAction;
class QMenu;
class TFrmAlbero;
class TGPannelloCF;

class TFrmQuadro : public QDialog {
    Q_OBJECT
  public:
    static constexpr int NumeroPannelli = 7;

    explicit TFrmQuadro(ludo::TQuadro& quadro, QWidget* parent = nullptr);
    ~TFrmQuadro() override;

    // The window's copy of the board, and the board shown.
    [[nodiscard]] ludo::TQuadro& Radice() const { return *radice_; }
    [[nodiscard]] ludo::TQuadro& Corrente() const { return *corrente_; }
    // True once "OK" wrote back a board the user had changed.
    [[nodiscard]] bool Cambiato() const { return modificato_ && result() == Accepted; }
    // The popup menu's command of a name ("Taglia", "Incolla", "Nuova19", …).
    [[nodiscard]] QAction* Comando(const QString& nome) const;
    [[nodiscard]] TFrmAlbero* Albero() const { return albero_; }

    // Keeps the edits of the board shown and shows another board of the
    // copy (a board nested in it, or the one containing it).
    void MostraQuadro(ludo::TQuadro& quadro);

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    // The controls from the board shown, and back.
    void ImpostaOggetto();
    void AggiornaForm();
    void AcquisisceForm();
    void MostraPannelli();
    void MostraAccettate();
    void Modifica();

    void CreaMenu();
    void CreaMenuNuova(QMenu* nuova);
    QAction* Voce(QMenu* menu, const QString& nome, const QString& testo,
                  const QKeySequence& tasto = {});

    void PannelloClick(int pannello, Qt::KeyboardModifiers modificatori);
    void PannelloDoppioClick(int pannello);
    void ApriCondizione(ludo::TCondizione& condizione);
    [[nodiscard]] ludo::TCondizione* MembroDelPannello(int pannello) const;
    // Where pasted and loaded members go: at the last clicked panel, at the end otherwise.
    [[nodiscard]] std::size_t PosizioneInserimento() const;

    void NuovaClick(std::uint8_t codice);
    void TagliaClick();
    void CopiaClick();
    void IncollaClick();
    void EliminaClick();
    void SalvaCondizioniClick();
    void CaricaCondizioniClick();
    void AdattaClick();
    void CommentoClick();
    void InsAutomaticoClick();
    void CercaFisseClick();
    void RelazioneClick(std::uint8_t relazione);
    void PresetClick(bool preset);
    void CaricaQuadroClick();
    void SalvaQuadroClick();
    void PrecedenteClick();
    void AlberoClick();
    void OKBtnClick();
    // Runs a board operation; its error is shown in the message box.
    template <class F>
    bool Esegui(F&& operazione);

    std::unique_ptr<Ui::TFrmQuadro> ui;
    ludo::TQuadro& originale_;
    std::unique_ptr<ludo::TQuadro> radice_;
    ludo::TQuadro* corrente_;
    std::array<TGPannelloCF*, NumeroPannelli> pannelli_{};
    std::vector<std::unique_ptr<ludo::TCondizione>> appunti_;
    QMenu* menu_ = nullptr;
    TFrmAlbero* albero_ = nullptr;
    int ultimoPannello_ = -1;  // 0-based; -1 until a panel is clicked
    bool predefinito_ = true;
    bool modificato_ = false;
    bool caricando_ = false;
};
