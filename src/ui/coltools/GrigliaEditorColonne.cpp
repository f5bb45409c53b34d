#include "ui/coltools/GrigliaEditorColonne.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include "ui/coltools/ModelloEditorColonne.h"

namespace {

const QColor Acqua(0x00, 0xFF, 0xFF);
const QColor Azzurro(0xA6, 0xCA, 0xF0);
constexpr int CaratteriNormali = 4;  // longer numbers take the smaller font
constexpr int FontNormale = 8;
constexpr int FontPiccolo = 7;
constexpr int GradiPerColonna = 120;  // one notch of a wheel

// The row of column numbers: each centred, the current column on aqua and
// the others on light blue.
class IntestazioneColonne : public QHeaderView {
public:
    explicit IntestazioneColonne(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int sezione) const override {
        const QModelIndex corrente =
            selectionModel() != nullptr ? selectionModel()->currentIndex() : QModelIndex();
        painter->save();
        painter->fillRect(rect,
                          corrente.isValid() && corrente.column() == sezione ? Acqua : Azzurro);
        painter->setPen(palette().color(QPalette::Mid));
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
        const QString testo = model()->headerData(sezione, Qt::Horizontal).toString();
        QFont font = painter->font();
        font.setPointSize(testo.size() > CaratteriNormali ? FontPiccolo : FontNormale);
        painter->setFont(font);
        painter->setPen(Qt::black);
        painter->drawText(rect, Qt::AlignCenter, testo);
        painter->restore();
    }
};

}  // namespace

GrigliaEditorColonne::GrigliaEditorColonne(QWidget* parent) : QTableView(parent) {
    setHorizontalHeader(new IntestazioneColonne(this));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionsClickable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid; Enter walks it.
    setTabKeyNavigation(false);
}

void GrigliaEditorColonne::setModel(QAbstractItemModel* modello) {
    QTableView::setModel(modello);
    horizontalHeader()->setSelectionModel(selectionModel());
}

ModelloEditorColonne* GrigliaEditorColonne::Modello() const {
    return qobject_cast<ModelloEditorColonne*>(model());
}

void GrigliaEditorColonne::keyPressEvent(QKeyEvent* evento) {
    const QModelIndex cella = currentIndex();
    const int ultima = ModelloEditorColonne::ColonneVisibili - 1;
    switch (evento->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit Invio();
            return;
        case Qt::Key_Backspace:
            if (Modello()->Indietro(cella)) emit Digitato();
            return;
        case Qt::Key_Right:
            if (cella.column() == ultima) {
                emit Oltre(1);
                return;
            }
            break;
        case Qt::Key_Left:
            if (cella.column() == 0) {
                emit Oltre(-1);
                return;
            }
            break;
        default:
            break;
    }
    const QString testo = evento->text();
    const bool carattere = testo.size() == 1 && testo.at(0).isPrint() &&
                           (evento->modifiers() & ~Qt::ShiftModifier) == 0;
    if (!carattere) {
        QTableView::keyPressEvent(evento);
        return;
    }
    if (Modello()->Digita(cella, testo.at(0))) {
        emit Digitato();
    } else {
        QApplication::beep();
    }
}

void GrigliaEditorColonne::wheelEvent(QWheelEvent* evento) {
    const QPoint gradi = evento->angleDelta();
    rotella_ -= gradi.y() != 0 ? gradi.y() : gradi.x();
    const int colonne = rotella_ / GradiPerColonna;
    rotella_ -= colonne * GradiPerColonna;
    if (colonne != 0) emit Rotella(colonne);
    evento->accept();
}

void GrigliaEditorColonne::currentChanged(const QModelIndex& attuale,
                                          const QModelIndex& precedente) {
    QTableView::currentChanged(attuale, precedente);
    // A cell left behind holds what was typed in it, read as the list reads it.
    if (Modello() != nullptr) Modello()->Acquisisci();
    horizontalHeader()->viewport()->update();
}
