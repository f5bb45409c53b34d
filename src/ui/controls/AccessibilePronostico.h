#pragma once
// What assistive tools see of a forecast strip: a group of 16 buttons, one
// per match, named "Partita 5", checked while the match is in the forecast,
// with "Fissa", "Selezionata" or "Libera" as their value; pressing one does
// what a click does.

#include <QAccessibleWidget>

#include "ui/controls/ElementoAccessibile.h"

class TPronostico;

class AccessibilePronostico : public QAccessibleWidget {
  public:
    explicit AccessibilePronostico(TPronostico* pronostico);

    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int indice) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* figlio) const override;
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface* focusChild() const override;

  private:
    [[nodiscard]] TPronostico* Pronostico() const;
    mutable FigliAccessibili figli_;
};

class PartitaAccessibile : public ElementoAccessibile, public QAccessibleActionInterface {
  public:
    PartitaAccessibile(TPronostico* pronostico, int cella);

    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QRect rect() const override;
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Button; }
    [[nodiscard]] QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType tipo) override;

    [[nodiscard]] QStringList actionNames() const override;
    void doAction(const QString& azione) override;
    [[nodiscard]] QStringList keyBindingsForAction(const QString& azione) const override;

  private:
    [[nodiscard]] TPronostico* Pronostico() const;
};
