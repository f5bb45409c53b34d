#pragma once
// What assistive tools see of a coupon grid: a table whose children are laid
// out as Qt lays out those of any table view (the corner, the column
// headers, then each row's header and cells), so that the focus Qt reports
// lands on the right cell. A cell can be edited: its "edit" action opens
// the cell's editor, and its value can be set directly.

#include <QAccessibleWidget>

#include "ui/controls/ElementoAccessibile.h"

class TGrigliaSchedina;

class AccessibileGriglia : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit AccessibileGriglia(TGrigliaSchedina* griglia);

    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int indice) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* figlio) const override;
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType tipo) override;

    // The table.
    [[nodiscard]] QAccessibleInterface* caption() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* summary() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* cellAt(int riga, int colonna) const override;
    [[nodiscard]] int selectedCellCount() const override;
    [[nodiscard]] QList<QAccessibleInterface*> selectedCells() const override;
    [[nodiscard]] QString columnDescription(int colonna) const override;
    [[nodiscard]] QString rowDescription(int riga) const override;
    [[nodiscard]] int columnCount() const override;
    [[nodiscard]] int rowCount() const override;
    [[nodiscard]] int selectedColumnCount() const override { return 0; }
    [[nodiscard]] int selectedRowCount() const override { return 0; }
    [[nodiscard]] QList<int> selectedColumns() const override { return {}; }
    [[nodiscard]] QList<int> selectedRows() const override { return {}; }
    [[nodiscard]] bool isColumnSelected(int /*colonna*/) const override { return false; }
    [[nodiscard]] bool isRowSelected(int /*riga*/) const override { return false; }
    bool selectRow(int /*riga*/) override { return false; }
    bool selectColumn(int /*colonna*/) override { return false; }
    bool unselectRow(int /*riga*/) override { return false; }
    bool unselectColumn(int /*colonna*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*evento*/) override { figli_.Svuota(); }

    // The child index of a cell, a column header (riga -1) or a row header (colonna -1).
    [[nodiscard]] int IndiceDi(int riga, int colonna) const;

  private:
    [[nodiscard]] TGrigliaSchedina* Griglia() const;
    [[nodiscard]] QAccessibleInterface* Crea(int indice) const;
    mutable FigliAccessibili figli_;
};

// A column or row header of the grid.
class IntestazioneAccessibile : public ElementoAccessibile {
  public:
    IntestazioneAccessibile(TGrigliaSchedina* griglia, int indice, Qt::Orientation verso,
                            int sezione);

    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QRect rect() const override;
    [[nodiscard]] QAccessible::Role role() const override;
    [[nodiscard]] QAccessible::State state() const override;

  private:
    Qt::Orientation verso_;
    int sezione_;
};

// A cell of the grid.
class CellaAccessibile : public ElementoAccessibile,
                         public QAccessibleTableCellInterface,
                         public QAccessibleActionInterface {
  public:
    CellaAccessibile(TGrigliaSchedina* griglia, int indice, int riga, int colonna);

    static QString AzioneModifica() { return QStringLiteral("edit"); }

    [[nodiscard]] QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& testo) override;
    [[nodiscard]] QRect rect() const override;
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Cell; }
    [[nodiscard]] QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType tipo) override;

    [[nodiscard]] bool isSelected() const override;
    [[nodiscard]] QList<QAccessibleInterface*> columnHeaderCells() const override;
    [[nodiscard]] QList<QAccessibleInterface*> rowHeaderCells() const override;
    [[nodiscard]] int columnIndex() const override { return colonna_; }
    [[nodiscard]] int rowIndex() const override { return riga_; }
    [[nodiscard]] int columnExtent() const override { return 1; }
    [[nodiscard]] int rowExtent() const override { return 1; }
    [[nodiscard]] QAccessibleInterface* table() const override { return parent(); }

    [[nodiscard]] QStringList actionNames() const override;
    [[nodiscard]] QString localizedActionName(const QString& azione) const override;
    [[nodiscard]] QString localizedActionDescription(const QString& azione) const override;
    void doAction(const QString& azione) override;
    [[nodiscard]] QStringList keyBindingsForAction(const QString& /*azione*/) const override {
        return {};
    }

  private:
    [[nodiscard]] TGrigliaSchedina* Griglia() const;
    [[nodiscard]] QTableWidgetItem* Cella() const;
    [[nodiscard]] QAccessibleInterface* Intestazione(int riga, int colonna) const;
    int riga_;
    int colonna_;
};
