#pragma once
// Answers the message boxes that open while it lives: it remembers each
// box's title and text and presses the chosen button, or "OK" in a box
// that only informs (a plain Qt warning box is answered with its OK).

#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "ui/controls/TFrmMessage.h"

class RispostaMessaggio : public QObject {
  public:
    explicit RispostaMessaggio(const QString& pulsante = QStringLiteral("OK"))
        : pulsante_(pulsante) {
        connect(&timer_, &QTimer::timeout, this, [this] { Rispondi(); });
        timer_.start(5);
    }

    QStringList titoli;
    QStringList testi;

  private:
    void Rispondi() {
        if (auto* avviso = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            avviso != nullptr && avviso->isVisible()) {
            titoli.append(avviso->windowTitle());
            testi.append(avviso->text());
            avviso->button(QMessageBox::Ok)->click();
            return;
        }
        auto* box = qobject_cast<TFrmMessage*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        titoli.append(box->windowTitle());
        testi.append(box->Testo());
        auto* pulsante = box->findChild<QPushButton*>(pulsante_);
        if (pulsante == nullptr) pulsante = box->findChild<QPushButton*>(QStringLiteral("OK"));
        QTest::mouseClick(pulsante, Qt::LeftButton);
    }

    QString pulsante_;
    QTimer timer_;
};

// The texts of the messages shown while azione runs, each answered with `pulsante`.
inline QStringList MessaggiDi(const std::function<void()>& azione,
                              const QString& pulsante = QStringLiteral("OK")) {
    RispostaMessaggio risposta(pulsante);
    azione();
    return risposta.testi;
}
