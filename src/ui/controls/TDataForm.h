#pragma once
// The stored control values of one window: its object name and one line
// "name*kind*value" per stored control, in the window's component order;
// and, for a window of its own, its place and size.

#include <QByteArray>
#include <QString>
#include <QStringList>

struct TDataForm {
    QString Nome;
    QStringList Righe;
    QByteArray Geometria;
};
