#include "ui/controls/AccessibilePronostico.h"

#include "ui/controls/TPronostico.h"

AccessibilePronostico::AccessibilePronostico(TPronostico* pronostico)
    : QAccessibleWidget(pronostico, QAccessible::Grouping) {}

TPronostico* AccessibilePronostico::Pronostico() const {
    return static_cast<TPronostico*>(widget());
}

int AccessibilePronostico::childCount() const { return TPronostico::NumeroCelle; }

QAccessibleInterface* AccessibilePronostico::child(int indice) const {
    if (indice < 0 || indice >= TPronostico::NumeroCelle) return nullptr;
    return figli_.Figlio(indice,
                         [this, indice] { return new PartitaAccessibile(Pronostico(), indice); });
}

int AccessibilePronostico::indexOfChild(const QAccessibleInterface* figlio) const {
    const auto* partita = dynamic_cast<const PartitaAccessibile*>(figlio);
    return partita != nullptr && partita->parent() == this ? partita->Indice() : -1;
}

QAccessibleInterface* AccessibilePronostico::childAt(int x, int y) const {
    return child(Pronostico()->CellaIn(Pronostico()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* AccessibilePronostico::focusChild() const {
    return Pronostico()->hasFocus() ? child(Pronostico()->CellaAttiva()) : nullptr;
}

PartitaAccessibile::PartitaAccessibile(TPronostico* pronostico, int cella)
    : ElementoAccessibile(pronostico, cella) {}

TPronostico* PartitaAccessibile::Pronostico() const {
    return static_cast<TPronostico*>(Controllo());
}

QString PartitaAccessibile::text(QAccessible::Text t) const {
    const TPronostico* p = Pronostico();
    if (p == nullptr) return {};
    switch (t) {
        case QAccessible::Name:
            return QStringLiteral("Partita %1").arg(p->NumeroCella(Indice()));
        case QAccessible::Value:
        case QAccessible::Description:
            if (p->Fissa(Indice())) return QStringLiteral("Fissa");
            return p->Selezionata(Indice()) ? QStringLiteral("Selezionata")
                                            : QStringLiteral("Libera");
        default:
            return {};
    }
}

QRect PartitaAccessibile::rect() const {
    const TPronostico* p = Pronostico();
    return p != nullptr ? SulloSchermo(p->RettangoloCella(Indice())) : QRect();
}

QAccessible::State PartitaAccessibile::state() const {
    QAccessible::State stato;
    const TPronostico* p = Pronostico();
    if (p == nullptr) {
        stato.invalid = true;
        return stato;
    }
    stato.focusable = true;
    stato.focused = p->hasFocus() && p->CellaAttiva() == Indice();
    stato.checkable = true;
    stato.checked = p->Selezionata(Indice());
    stato.disabled = !p->isEnabled();
    stato.invisible = !p->isVisible();
    return stato;
}

void* PartitaAccessibile::interface_cast(QAccessible::InterfaceType tipo) {
    return tipo == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList PartitaAccessibile::actionNames() const { return {pressAction(), setFocusAction()}; }

void PartitaAccessibile::doAction(const QString& azione) {
    TPronostico* p = Pronostico();
    if (p == nullptr || !p->isEnabled()) return;
    if (azione == pressAction()) {
        p->Clicca(Indice());
    } else if (azione == setFocusAction()) {
        p->setCellaAttiva(Indice());
        p->setFocus(Qt::OtherFocusReason);
    }
}

QStringList PartitaAccessibile::keyBindingsForAction(const QString& azione) const {
    return azione == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
}
