#pragma once
// Finding a window's controls by name, clicking them and answering the
// file dialogs and modal windows a test opens.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <functional>

#include "RispostaFile.h"

template <class T>
T* C(const QWidget& f, const char* nome) {
    auto* w = f.findChild<T*>(nome);
    if (w == nullptr) qFatal("missing control %s", nome);
    return w;
}

// A mouse click near the left edge, where a check box or a radio button has
// its indicator and any button takes it.
inline void Clic(const QWidget& f, const char* nome) {
    auto* b = C<QAbstractButton>(f, nome);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(qMin(6, b->width() / 2), b->height() / 2));
}

inline QString TestoDi(const QWidget& f, const char* nome) { return C<QLabel>(f, nome)->text(); }

// Runs azione on the first modal window of type T that opens.
template <class T>
void QuandoSiApre(std::function<void(T&)> azione) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, azione] {
        auto* finestra = qobject_cast<T*>(QApplication::activeModalWidget());
        if (finestra == nullptr) return;
        timer->stop();
        timer->deleteLater();
        azione(*finestra);
    });
    timer->start(5);
}
