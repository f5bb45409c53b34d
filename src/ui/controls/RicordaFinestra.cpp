#include "ui/controls/RicordaFinestra.h"

#include <QEvent>
#include <QWidget>

#include "ui/controls/TFormSaver.h"

namespace {

// Stores the window in the store it was restored from, as long as that is
// still the program's store (it goes before the windows it owns).
class MemoriaFinestra : public QObject {
public:
    MemoriaFinestra(QWidget& finestra, TFormSaver& store) : QObject(&finestra), store_(store) {
        finestra.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Hide && oggetto == parent() && TFormSaver::Programma() == &store_) {
            store_.SalvaForm(*static_cast<QWidget*>(oggetto));
        }
        return false;
    }

private:
    TFormSaver& store_;
};

}  // namespace

void RicordaFinestra(QWidget& finestra) {
    TFormSaver* store = TFormSaver::Programma();
    if (store == nullptr) return;
    store->RipristinaForm(finestra);
    new MemoriaFinestra(finestra, *store);
}
