#include "ui/controls/TGrigliaSchedina.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QValidator>

#include "ui/controls/ElementoAccessibile.h"

namespace {

// Tab, Shift+Tab and, as in the editors of text, the same with Ctrl.
bool TastoCheEsce(const QKeyEvent& tasto) {
    return tasto.key() == Qt::Key_Tab || tasto.key() == Qt::Key_Backtab;
}

// Takes the text typed as the grid's rule turns it.
class ValidatoreDigitato : public QValidator {
  public:
    ValidatoreDigitato(TGrigliaSchedina::Digitato digitato, QObject* parent)
        : QValidator(parent), digitato_(std::move(digitato)) {}

    State validate(QString& testo, int& /*posizione*/) const override {
        const auto preso = digitato_(testo);
        if (!preso) return Invalid;
        testo = *preso;
        return Acceptable;
    }

  private:
    TGrigliaSchedina::Digitato digitato_;
};

// The cell editor: a line edit with a length limit and the grid's rule.
// Tab does not move to the next cell: the text is kept and the key goes to
// the grid, which hands the focus on.
class EditorCelle : public QStyledItemDelegate {
  public:
    EditorCelle(TGrigliaSchedina* griglia, int lunghezza, TGrigliaSchedina::Digitato digitato)
        : QStyledItemDelegate(griglia),
          griglia_(griglia),
          lunghezza_(lunghezza),
          digitato_(std::move(digitato)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                          const QModelIndex& /*index*/) const override {
        auto* editor = new QLineEdit(parent);
        editor->setMaxLength(lunghezza_);
        if (digitato_) editor->setValidator(new ValidatoreDigitato(digitato_, editor));
        return editor;
    }

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        auto* editor = qobject_cast<QWidget*>(oggetto);
        if (editor != nullptr && evento->type() == QEvent::KeyPress) {
            auto* tasto = static_cast<QKeyEvent*>(evento);
            if (TastoCheEsce(*tasto)) {
                emit commitData(editor);
                emit closeEditor(editor, NoHint);
                QKeyEvent copia(QEvent::KeyPress, tasto->key(),
                                tasto->modifiers() & Qt::ShiftModifier);
                QCoreApplication::sendEvent(griglia_, &copia);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(oggetto, evento);
    }

  private:
    TGrigliaSchedina* griglia_;
    int lunghezza_;
    TGrigliaSchedina::Digitato digitato_;
};

}  // namespace

TGrigliaSchedina::TGrigliaSchedina(QWidget* parent) : QTableWidget(parent) {
    InstallaAccessibilita();
    setTabKeyNavigation(false);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TGrigliaSchedina::ImpostaEditor(int lunghezza, Digitato digitato) {
    setItemDelegate(new EditorCelle(this, lunghezza, std::move(digitato)));
}

void TGrigliaSchedina::ModificaCella(int riga, int colonna) {
    QTableWidgetItem* cella = item(riga, colonna);
    if (cella == nullptr || !isEnabled()) return;
    setFocus(Qt::OtherFocusReason);
    setCurrentItem(cella);
    if (state() != EditingState) editItem(cella);
}

void TGrigliaSchedina::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    // A cell left open for typing takes the focus given to the grid, so that
    // the next Tab leaves the grid instead of entering that cell.
    if (QWidget* editor = indexWidget(currentIndex())) editor->setFocus(event->reason());
}

void TGrigliaSchedina::keyPressEvent(QKeyEvent* event) {
    // Ctrl+Tab leaves the grid as Tab does.
    if (TastoCheEsce(*event) && (event->modifiers() & Qt::ControlModifier) != 0) {
        focusNextPrevChild(event->key() == Qt::Key_Tab &&
                           (event->modifiers() & Qt::ShiftModifier) == 0);
        return;
    }
    QTableWidget::keyPressEvent(event);
}
