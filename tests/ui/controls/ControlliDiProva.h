#pragma once
// Finding a window's controls by name, clicking them and answering the
// file dialogs and modal windows a test opens.

#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "RispostaFile.h"
#include "ui/controls/TFormSaver.h"
#include "ui/controls/TGGraphpt.h"
#include "ui/controls/TPronostico.h"

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

// A click on the box of value v of a points control.
inline void Clicca(TGGraphpt& punti, int v, Qt::MouseButton tasto = Qt::LeftButton) {
    const QRect box = punti.RettangoloValore(v);
    QVERIFY2(!box.isEmpty(), qPrintable(punti.objectName()));
    QTest::mouseClick(&punti, tasto, {}, box.center());
}

// A click on a cell of a forecast strip.
inline void Clicca(TPronostico& striscia, int cella, Qt::MouseButton tasto = Qt::LeftButton) {
    QTest::mouseClick(&striscia, tasto, {}, striscia.RettangoloCella(cella).center());
}

// Clicks each number of the column on the strips named basso (1..16) and
// alto (17..32), by default those of the winning numbers.
inline void ClicNumeri(const QWidget& f, ludo::Colonna numeri, const char* basso = "Vincente1_16",
                       const char* alto = "Vincente17_32") {
    for (int n = 1; n <= 32; ++n) {
        if ((numeri & (ludo::Colonna{1} << (n - 1))) == 0) continue;
        Clicca(*C<TPronostico>(f, n <= 16 ? basso : alto), (n - 1) % 16);
    }
}

inline QString TestoDi(const QWidget& f, const char* nome) { return C<QLabel>(f, nome)->text(); }

// The texts of a row of a table, from its first column to `colonne` (all by
// default); a cell without an item is empty.
inline QStringList RigaDi(const QTableWidget& t, int riga, int colonne = -1) {
    QStringList celle;
    for (int c = 0; c < (colonne < 0 ? t.columnCount() : colonne); ++c)
        celle << (t.item(riga, c) != nullptr ? t.item(riga, c)->text() : QString());
    return celle;
}

// A click on a cell of a table, where the mouse finds it.
inline void ClicCella(QTableWidget& t, int riga, int colonna) {
    QTest::mouseClick(t.viewport(), Qt::LeftButton, {},
                      t.visualRect(t.model()->index(riga, colonna)).center());
}

// The texts of the rows of a list.
inline QStringList VociDi(const QListWidget& lista) {
    QStringList voci;
    for (int i = 0; i < lista.count(); ++i) voci << lista.item(i)->text();
    return voci;
}

// Replaces the text of a box as the user does: selects it all, deletes it and
// types (nothing, to leave the box empty).
template <class Casella>
void Digita(Casella* box, const QString& testo) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, testo);
}

// Replaces the text of the line edit named nome.
inline void Digita(const QWidget& f, const char* nome, const QString& testo) {
    Digita(C<QLineEdit>(f, nome), testo);
}

// A double click on a row of a list as the mouse makes it: a click, then the second press.
inline void DoppioClic(QListWidget& lista, int riga) {
    const QPoint punto = lista.visualItemRect(lista.item(riga)).center();
    QTest::mouseClick(lista.viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseDClick(lista.viewport(), Qt::LeftButton, {}, punto);
}

// Shows a window and waits until it is on the screen.
inline void Mostra(QWidget& f) {
    f.show();
    if (!QTest::qWaitForWindowExposed(&f)) qWarning("la finestra non si è mostrata");
}

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

// Whether a modal window of type T opened while azione ran; it is given up at once.
template <class T>
bool SiApre(const std::function<void()>& azione) {
    bool aperta = false;
    QTimer spia;
    QObject::connect(&spia, &QTimer::timeout, [&aperta] {
        if (auto* finestra = qobject_cast<T*>(QApplication::activeModalWidget())) {
            aperta = true;
            finestra->reject();
        }
    });
    spia.start(5);
    azione();
    return aperta;
}

// The program's store of the windows' places and choices, while it lives.
struct StoreDiProva : TFormSaver {
    StoreDiProva() { ImpostaProgramma(this); }
    ~StoreDiProva() { ImpostaProgramma(nullptr); }
};
