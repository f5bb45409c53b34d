#pragma once
// What the tests of the condition editors share: the conditions to open,
// the gestures of a user, and the checks every window must pass.

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <sstream>
#include <string>

#include "core/conditions/TCondizioniSistema.h"
#include "core/conditions/TGruppo.h"
#include "core/io/BinaryWriter.h"
#include "ui/conditions/Modifica.h"
#include "ui/conditions/TFrmCondizione.h"
#include "ui/controls/TGGraphpt.h"

namespace prova {

// The record of a condition, members included: equal records, equal conditions.
inline std::string Record(const ludo::TCondizione& c) {
    std::ostringstream out(std::ios::binary);
    ludo::io::BinaryWriter w(out);
    c.Salva(w);
    return out.str();
}

template <class T>
T* Controllo(const QWidget& f, const QString& nome) {
    auto* c = f.findChild<T*>(nome);
    if (c == nullptr) qWarning("manca il controllo %s", qPrintable(nome));
    return c;
}

inline void Premi(const QWidget& f, const QString& nome) {
    auto* b = Controllo<QAbstractButton>(f, nome);
    QVERIFY2(b != nullptr && b->isVisible(), qPrintable(nome));
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

// A click on the box of value v of a points control.
inline void Clicca(TGGraphpt& punti, int v) {
    const QRect box = punti.RettangoloValore(v);
    QVERIFY2(!box.isEmpty(), qPrintable(punti.objectName()));
    QTest::mouseClick(&punti, Qt::LeftButton, {}, box.center());
}

// The window of a condition, open on the screen.
inline std::unique_ptr<TFrmCondizione> Apri(ludo::TCondizione& c) {
    auto f = CreaEditor(c, {}, nullptr);
    f->show();
    if (!QTest::qWaitForWindowExposed(f.get())) qWarning("la finestra non si è mostrata");
    return f;
}

// Runs azione on the next modal window that opens.
inline void QuandoSiApre(std::function<void(QWidget&)> azione) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, azione] {
        QWidget* finestra = QApplication::activeModalWidget();
        if (finestra == nullptr) return;
        timer->stop();
        timer->deleteLater();
        azione(*finestra);
    });
    timer->start(5);
}

// The name a screen reader announces.
inline QString NomeAccessibile(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a != nullptr ? a->text(QAccessible::Name) : QString();
}

// The control a focused widget belongs to (a spin box for its editor).
inline QWidget* ControlloDi(QWidget* w) {
    auto* spin = qobject_cast<QAbstractSpinBox*>(w->parentWidget());
    return spin != nullptr ? spin : w;
}

inline bool Raggiungibile(const QWidget* w) {
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) != 0;
}

// The controls Tab reaches, from the first one, once around the window.
inline QList<QWidget*> GiroDiTab(QWidget& finestra) {
    QList<QWidget*> giro;
    finestra.activateWindow();
    QWidget* w = finestra.nextInFocusChain();
    while (w != &finestra && !Raggiungibile(w)) w = w->nextInFocusChain();
    w->setFocus(Qt::TabFocusReason);
    while (QApplication::focusWidget() != nullptr &&
           !giro.contains(ControlloDi(QApplication::focusWidget()))) {
        giro.append(ControlloDi(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return giro;
}

// Every control a user can reach has a name, Tab reaches them all in
// reading order (down the window, left to right along a row), and the
// window fits a 1024 × 600 screen.
inline void VerificaAccessibile(QWidget& finestra) {
    const QSize misura = finestra.sizeHint().expandedTo(finestra.minimumSizeHint());
    QVERIFY2(misura.width() <= 1024 && misura.height() <= 560,
             qPrintable(QStringLiteral("%1: %2 × %3")
                            .arg(finestra.objectName())
                            .arg(misura.width())
                            .arg(misura.height())));
    const QList<QWidget*> giro = GiroDiTab(finestra);
    for (QWidget* w : finestra.findChildren<QWidget*>()) {
        if (!Raggiungibile(w) || ControlloDi(w) != w) continue;
        QVERIFY2(giro.contains(w),
                 qPrintable(finestra.objectName() + QStringLiteral(": Tab non raggiunge ") +
                            w->objectName()));
        QVERIFY2(
            !NomeAccessibile(w).trimmed().isEmpty(),
            qPrintable(finestra.objectName() + QStringLiteral(": senza nome ") + w->objectName()));
    }
    // Reading order: each control stands lower than the previous one, or on
    // its row further right; the parts of a compound control follow it.
    for (int i = 1; i < giro.size(); ++i) {
        const QRect prima(giro[i - 1]->mapTo(&finestra, QPoint()), giro[i - 1]->size());
        const QRect dopo(giro[i]->mapTo(&finestra, QPoint()), giro[i]->size());
        const bool piuGiu = dopo.top() >= prima.center().y();
        const bool aDestra = dopo.left() > prima.left() && dopo.top() < prima.bottom() &&
                             dopo.bottom() > prima.top();
        const bool dentro = giro[i - 1]->isAncestorOf(giro[i]);
        QVERIFY2(
            piuGiu || aDestra || dentro,
            qPrintable(finestra.objectName() + QStringLiteral(": ") + giro[i - 1]->objectName() +
                       QStringLiteral(" poi ") + giro[i]->objectName()));
    }
}

// The type codes whose editors exist: each single code, then each group code.
inline const std::vector<std::uint8_t>& CodiciConEditor() {
    static const std::vector<std::uint8_t> codici = {1,  3,  8,  11, 12, 13, 14, 15,
                                                     16, 17, 18, 35, 37, 38, 39};
    return codici;
}

}  // namespace prova
