#pragma once
// The column editor's grid: always ready for typing. Digits and blanks go
// into the current cell (two characters at most), backspace takes the last
// one away and any other character is refused; Enter and the arrows past
// either edge ask the window to move on, which may scroll the list. The
// header row shows the column numbers, the current one on aqua.

#include <QTableView>

class ModelloEditorColonne;

class GrigliaEditorColonne : public QTableView {
    Q_OBJECT
public:
    explicit GrigliaEditorColonne(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* modello) override;

signals:
    // A key changed a cell.
    void Digitato();
    void Invio();
    // An arrow past the first (-1) or the last (+1) shown column.
    void Oltre(int verso);
    // The wheel turned by this many columns.
    void Rotella(int colonne);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void currentChanged(const QModelIndex& attuale, const QModelIndex& precedente) override;

private:
    [[nodiscard]] ModelloEditorColonne* Modello() const;

    int rotella_ = 0;  // eighths of a degree not yet turned into columns
};
