#include "ui/controls/ElementoAccessibile.h"

#include "ui/controls/AccessibileGriglia.h"
#include "ui/controls/AccessibilePronostico.h"
#include "ui/controls/TGrigliaSchedina.h"
#include "ui/controls/TPronostico.h"

QWindow* ElementoAccessibile::window() const {
    return controllo_ ? controllo_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* ElementoAccessibile::parent() const {
    return QAccessible::queryAccessibleInterface(controllo_.data());
}

QRect ElementoAccessibile::SulloSchermo(const QRect& r) const {
    if (!controllo_) return {};
    return {controllo_->mapToGlobal(r.topLeft()), r.size()};
}

QAccessibleInterface* FigliAccessibili::Figlio(int indice,
                                               const std::function<QAccessibleInterface*()>& crea) {
    const auto trovato = id_.find(indice);
    if (trovato != id_.end()) return QAccessible::accessibleInterface(trovato->second);
    QAccessibleInterface* figlio = crea();
    if (figlio == nullptr) return nullptr;
    id_.emplace(indice, QAccessible::registerAccessibleInterface(figlio));
    return figlio;
}

void FigliAccessibili::Svuota() {
    for (const auto& [indice, id] : id_) QAccessible::deleteAccessibleInterface(id);
    id_.clear();
}

namespace {

QAccessibleInterface* Fabbrica(const QString& classe, QObject* oggetto) {
    if (classe == QLatin1String("TPronostico")) {
        if (auto* p = qobject_cast<TPronostico*>(oggetto)) return new AccessibilePronostico(p);
    }
    if (classe == QLatin1String("TGrigliaSchedina")) {
        if (auto* g = qobject_cast<TGrigliaSchedina*>(oggetto)) return new AccessibileGriglia(g);
    }
    return nullptr;
}

}  // namespace

void InstallaAccessibilita() {
    static const bool installata = [] {
        QAccessible::installFactory(Fabbrica);
        return true;
    }();
    (void)installata;
}
