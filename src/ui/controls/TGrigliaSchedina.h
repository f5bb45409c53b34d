#pragma once
// A grid of the coupon (team names, "Picch." values): cells are typed into
// in place, one at a time, with a length limit and, when given, a rule on
// the text typed. Tab and Shift+Tab leave the grid, even from a cell being
// edited (which keeps what was typed), and so do Ctrl+Tab and Ctrl+Shift+Tab;
// the arrows move between its cells.
// Assistive tools see a table whose cells can be edited.

#include <QTableWidget>
#include <functional>
#include <optional>

class TGrigliaSchedina : public QTableWidget {
    Q_OBJECT
  public:
    explicit TGrigliaSchedina(QWidget* parent = nullptr);

    // What a cell becomes as it is typed into: the text to show, or nothing
    // when the text cannot be taken.
    using Digitato = std::function<std::optional<QString>(const QString&)>;
    void ImpostaEditor(int lunghezza, Digitato digitato = {});

    // Opens the editor of a cell, as typing into it does.
    void ModificaCella(int riga, int colonna);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
