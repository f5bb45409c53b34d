#pragma once
// Column-set view: the columns of one betting slip, side by side, each
// with its numbers in ascending order downwards, under the heading
// "Schedina Nº " and the slip number. Winning columns are highlighted, and
// one cell (the number being read aloud) can be marked.

#include <QColor>
#include <QList>
#include <QPoint>
#include <QWidget>

#include "core/columns/Colonna.h"

class TGVisColonne : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Numero READ Numero WRITE setNumero)
public:
    static constexpr int ColonnePerSchedina = 6;
    static constexpr int RigheMinime = 8;

    explicit TGVisColonne(QWidget* parent = nullptr);

    [[nodiscard]] int Numero() const { return numero_; }
    void setNumero(int numero);
    [[nodiscard]] QString Intestazione() const;

    // The slip's columns (at most six are shown) with their winning flags;
    // missing flags count as not winning. Clears the marked cell.
    void ImpostaColonne(const QList<ludo::Colonna>& colonne, const QList<bool>& vincenti = {});
    [[nodiscard]] const QList<ludo::Colonna>& Colonne() const { return colonne_; }
    [[nodiscard]] bool Vincente(int colonna) const;

    // Marks the numero-th number (1-based) of column colonna (1-based).
    void Evidenzia(int colonna, int numero, const QColor& colore = QColor(Qt::cyan));
    void TogliEvidenza() { Evidenzia(0, 0); }
    // The marked cell as (column, number); (0, 0) when none is.
    [[nodiscard]] QPoint CellaEvidenziata() const { return {colonnaEvidenziata_, numeroEvidenziato_}; }

    [[nodiscard]] QRect RettangoloCella(int colonna, int numero) const;
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] int Righe() const;

    int numero_ = 1;
    QList<ludo::Colonna> colonne_;
    QList<bool> vincenti_;
    int colonnaEvidenziata_ = 0;
    int numeroEvidenziato_ = 0;
    QColor coloreEvidenza_;
};
