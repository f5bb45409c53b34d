#include "ui/controls/AccessibileGriglia.h"

#include <QHeaderView>

#include "ui/controls/TGrigliaSchedina.h"

namespace {

// Qt counts a table's header row and column among its children whether they
// are shown or not.
constexpr int RigaIntestazioni = 1;
constexpr int ColonnaIntestazioni = 1;

QString TestoIntestazione(const QTableWidget& griglia, Qt::Orientation verso, int sezione) {
    return griglia.model()->headerData(sezione, verso, Qt::DisplayRole).toString();
}

}  // namespace

// ---- the grid ----------------------------------------------------------------

AccessibileGriglia::AccessibileGriglia(TGrigliaSchedina* griglia)
    : QAccessibleWidget(griglia, QAccessible::Table) {}

TGrigliaSchedina* AccessibileGriglia::Griglia() const {
    return static_cast<TGrigliaSchedina*>(widget());
}

int AccessibileGriglia::rowCount() const { return Griglia()->rowCount(); }
int AccessibileGriglia::columnCount() const { return Griglia()->columnCount(); }

int AccessibileGriglia::childCount() const {
    return (rowCount() + RigaIntestazioni) * (columnCount() + ColonnaIntestazioni);
}

int AccessibileGriglia::IndiceDi(int riga, int colonna) const {
    return (riga + RigaIntestazioni) * (columnCount() + ColonnaIntestazioni) + colonna +
           ColonnaIntestazioni;
}

QAccessibleInterface* AccessibileGriglia::Crea(int indice) const {
    const int larghezza = columnCount() + ColonnaIntestazioni;
    const int riga = indice / larghezza - RigaIntestazioni;
    const int colonna = indice % larghezza - ColonnaIntestazioni;
    if (riga < 0 && colonna < 0)
        return new IntestazioneAccessibile(Griglia(), indice, Qt::Horizontal, -1);
    if (riga < 0) return new IntestazioneAccessibile(Griglia(), indice, Qt::Horizontal, colonna);
    if (colonna < 0) return new IntestazioneAccessibile(Griglia(), indice, Qt::Vertical, riga);
    return new CellaAccessibile(Griglia(), indice, riga, colonna);
}

QAccessibleInterface* AccessibileGriglia::child(int indice) const {
    if (indice < 0 || indice >= childCount()) return nullptr;
    return figli_.Figlio(indice, [this, indice] { return Crea(indice); });
}

int AccessibileGriglia::indexOfChild(const QAccessibleInterface* figlio) const {
    const auto* elemento = dynamic_cast<const ElementoAccessibile*>(figlio);
    return elemento != nullptr && elemento->parent() == this ? elemento->Indice() : -1;
}

QAccessibleInterface* AccessibileGriglia::cellAt(int riga, int colonna) const {
    if (riga < 0 || riga >= rowCount() || colonna < 0 || colonna >= columnCount()) return nullptr;
    return child(IndiceDi(riga, colonna));
}

QAccessibleInterface* AccessibileGriglia::childAt(int x, int y) const {
    const QPoint punto = Griglia()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex indice = Griglia()->indexAt(punto);
    return indice.isValid() ? cellAt(indice.row(), indice.column()) : nullptr;
}

QAccessibleInterface* AccessibileGriglia::focusChild() const {
    const QModelIndex attuale = Griglia()->currentIndex();
    return Griglia()->hasFocus() && attuale.isValid() ? cellAt(attuale.row(), attuale.column())
                                                      : nullptr;
}

void* AccessibileGriglia::interface_cast(QAccessible::InterfaceType tipo) {
    if (tipo == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(tipo);
}

int AccessibileGriglia::selectedCellCount() const {
    return static_cast<int>(Griglia()->selectedItems().size());
}

QList<QAccessibleInterface*> AccessibileGriglia::selectedCells() const {
    QList<QAccessibleInterface*> celle;
    for (const QTableWidgetItem* cella : Griglia()->selectedItems())
        celle.append(cellAt(cella->row(), cella->column()));
    return celle;
}

QString AccessibileGriglia::columnDescription(int colonna) const {
    return TestoIntestazione(*Griglia(), Qt::Horizontal, colonna);
}

QString AccessibileGriglia::rowDescription(int riga) const {
    return TestoIntestazione(*Griglia(), Qt::Vertical, riga);
}

// ---- headers ------------------------------------------------------------------

IntestazioneAccessibile::IntestazioneAccessibile(TGrigliaSchedina* griglia, int indice,
                                                 Qt::Orientation verso, int sezione)
    : ElementoAccessibile(griglia, indice), verso_(verso), sezione_(sezione) {}

QString IntestazioneAccessibile::text(QAccessible::Text t) const {
    const auto* griglia = static_cast<const QTableWidget*>(Controllo());
    if (t != QAccessible::Name || griglia == nullptr || sezione_ < 0) return {};
    return TestoIntestazione(*griglia, verso_, sezione_);
}

QAccessible::Role IntestazioneAccessibile::role() const {
    if (sezione_ < 0) return QAccessible::Pane;
    return verso_ == Qt::Horizontal ? QAccessible::ColumnHeader : QAccessible::RowHeader;
}

QRect IntestazioneAccessibile::rect() const {
    const auto* griglia = static_cast<const QTableWidget*>(Controllo());
    if (griglia == nullptr || sezione_ < 0) return {};
    const QHeaderView* testata =
        verso_ == Qt::Horizontal ? griglia->horizontalHeader() : griglia->verticalHeader();
    if (testata->isHidden()) return {};
    const int inizio = testata->sectionViewportPosition(sezione_);
    const QRect r = verso_ == Qt::Horizontal
                        ? QRect(inizio, 0, testata->sectionSize(sezione_), testata->height())
                        : QRect(0, inizio, testata->width(), testata->sectionSize(sezione_));
    return {testata->mapToGlobal(r.topLeft()), r.size()};
}

QAccessible::State IntestazioneAccessibile::state() const {
    QAccessible::State stato;
    const auto* griglia = static_cast<const QTableWidget*>(Controllo());
    stato.invisible = griglia == nullptr || (verso_ == Qt::Horizontal ? griglia->horizontalHeader()
                                                                      : griglia->verticalHeader())
                                                ->isHidden();
    return stato;
}

// ---- cells --------------------------------------------------------------------

CellaAccessibile::CellaAccessibile(TGrigliaSchedina* griglia, int indice, int riga, int colonna)
    : ElementoAccessibile(griglia, indice), riga_(riga), colonna_(colonna) {}

TGrigliaSchedina* CellaAccessibile::Griglia() const {
    return static_cast<TGrigliaSchedina*>(Controllo());
}

QTableWidgetItem* CellaAccessibile::Cella() const {
    return Griglia() != nullptr ? Griglia()->item(riga_, colonna_) : nullptr;
}

QString CellaAccessibile::text(QAccessible::Text t) const {
    const QTableWidgetItem* cella = Cella();
    if (cella == nullptr) return {};
    if (t == QAccessible::Name || t == QAccessible::Value) return cella->text();
    if (t == QAccessible::Description) {
        return TestoIntestazione(*Griglia(), Qt::Horizontal, colonna_) + QLatin1Char(' ') +
               TestoIntestazione(*Griglia(), Qt::Vertical, riga_);
    }
    return {};
}

void CellaAccessibile::setText(QAccessible::Text t, const QString& testo) {
    QTableWidgetItem* cella = Cella();
    if (cella != nullptr && Griglia()->isEnabled() &&
        (t == QAccessible::Name || t == QAccessible::Value)) {
        cella->setText(testo);
    }
}

QRect CellaAccessibile::rect() const {
    const QTableWidgetItem* cella = Cella();
    if (cella == nullptr) return {};
    const QRect r = Griglia()->visualItemRect(cella);
    return {Griglia()->viewport()->mapToGlobal(r.topLeft()), r.size()};
}

QAccessible::State CellaAccessibile::state() const {
    QAccessible::State stato;
    const QTableWidgetItem* cella = Cella();
    if (cella == nullptr) {
        stato.invalid = true;
        return stato;
    }
    stato.focusable = true;
    stato.selectable = true;
    stato.editable = Griglia()->editTriggers() != QAbstractItemView::NoEditTriggers;
    stato.focused = Griglia()->hasFocus() && Griglia()->currentItem() == cella;
    stato.selected = cella->isSelected();
    stato.disabled = !Griglia()->isEnabled();
    return stato;
}

void* CellaAccessibile::interface_cast(QAccessible::InterfaceType tipo) {
    if (tipo == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    if (tipo == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

bool CellaAccessibile::isSelected() const { return Cella() != nullptr && Cella()->isSelected(); }

QAccessibleInterface* CellaAccessibile::Intestazione(int riga, int colonna) const {
    const auto* tabella = dynamic_cast<const AccessibileGriglia*>(parent());
    return tabella != nullptr ? tabella->child(tabella->IndiceDi(riga, colonna)) : nullptr;
}

QList<QAccessibleInterface*> CellaAccessibile::columnHeaderCells() const {
    QAccessibleInterface* testa = Intestazione(-1, colonna_);
    return testa != nullptr ? QList<QAccessibleInterface*>{testa} : QList<QAccessibleInterface*>{};
}

QList<QAccessibleInterface*> CellaAccessibile::rowHeaderCells() const {
    QAccessibleInterface* testa = Intestazione(riga_, -1);
    return testa != nullptr ? QList<QAccessibleInterface*>{testa} : QList<QAccessibleInterface*>{};
}

QStringList CellaAccessibile::actionNames() const {
    if (!state().editable) return {setFocusAction()};
    return {AzioneModifica(), setFocusAction()};
}

QString CellaAccessibile::localizedActionName(const QString& azione) const {
    if (azione == AzioneModifica()) return QStringLiteral("Modifica");
    return QAccessibleActionInterface::localizedActionName(azione);
}

QString CellaAccessibile::localizedActionDescription(const QString& azione) const {
    if (azione == AzioneModifica()) return QStringLiteral("Scrive nella cella");
    return QAccessibleActionInterface::localizedActionDescription(azione);
}

void CellaAccessibile::doAction(const QString& azione) {
    TGrigliaSchedina* griglia = Griglia();
    if (griglia == nullptr || !griglia->isEnabled()) return;
    if (azione == AzioneModifica() && state().editable) {
        griglia->ModificaCella(riga_, colonna_);
    } else if (azione == setFocusAction()) {
        griglia->setFocus(Qt::OtherFocusReason);
        griglia->setCurrentCell(riga_, colonna_);
    }
}
