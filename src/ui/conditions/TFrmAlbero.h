#pragma once
// "Albero Condizioni": the tree of a board and of everything nested in it,
// one box per condition, the members of a board one level to the right and
// joined to it by lines. The board shown in the board window is
// highlighted. A double-click on a box (or Enter on the box chosen with
// the arrows) asks the board window to open that condition.

#include <QDialog>
#include <QRect>
#include <memory>
#include <vector>

namespace Ui {
class TFrmAlbero;
}

namespace ludo {
class TCondizione;
class TQuadro;
}  // namespace ludo

class AreaAlbero;

// A drawn box and its condition, for hit testing.
struct TAObj {
    ludo::TCondizione* condizione = nullptr;
    QRect rettangolo;
};

class TFrmAlbero : public QDialog {
    Q_OBJECT
  public:
    static constexpr int XInizio = 10;
    static constexpr int YInizio = 20;
    static constexpr int Larghezza = 86;
    static constexpr int Altezza = 16;
    static constexpr int PassoY = 20;
    static constexpr int PassoX = 106;
    static constexpr int XTesto = 12;

    explicit TFrmAlbero(QWidget* parent = nullptr);
    ~TFrmAlbero() override;

    void ImpostaOggetto(ludo::TQuadro& radice, ludo::TQuadro& corrente);
    // Lays the boxes out again and redraws (cancella: from a blank area).
    void Disegna(bool cancella);

    [[nodiscard]] const std::vector<TAObj>& Caselle() const { return caselle_; }
    [[nodiscard]] const ludo::TQuadro* Corrente() const { return corrente_; }
    // The box under a point of the drawing, or nullptr.
    [[nodiscard]] const TAObj* CasellaIn(const QPoint& punto) const;

  signals:
    void Scelta(ludo::TCondizione& condizione);

  private:
    friend class AreaAlbero;
    int Disponi(ludo::TCondizione& condizione, int x, int y);

    std::unique_ptr<Ui::TFrmAlbero> ui;
    AreaAlbero* area_ = nullptr;
    ludo::TQuadro* radice_ = nullptr;
    ludo::TQuadro* corrente_ = nullptr;
    std::vector<TAObj> caselle_;
    std::vector<QLine> linee_;
    int scelta_ = 0;  // the box the arrows move to
};
