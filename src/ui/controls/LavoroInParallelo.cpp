#include "ui/controls/LavoroInParallelo.h"

#include <QMetaObject>

void LavoroInParallelo::Avvia(std::function<void()> lavoro) {
    filo_ = std::thread([this, lavoro = std::move(lavoro)] {
        lavoro();
        // Dropped by Qt when this object is gone before the call is run.
        QMetaObject::invokeMethod(this, &LavoroInParallelo::Concluso, Qt::QueuedConnection);
    });
}

void LavoroInParallelo::Attendi() {
    if (filo_.joinable()) filo_.join();
}

void LavoroInParallelo::Concluso() {
    if (!filo_.joinable()) return;  // already waited for
    filo_.join();
    emit Finito();
}
