#pragma once
// Finding a window's controls by name and pressing its buttons.

#include <QAbstractButton>
#include <QWidget>

template <class T>
T* C(const QWidget& f, const char* nome) {
    auto* w = f.findChild<T*>(nome);
    if (w == nullptr) qFatal("missing control %s", nome);
    return w;
}

inline void Clic(const QWidget& f, const char* nome) { C<QAbstractButton>(f, nome)->click(); }
