#include "ui/controls/TFrmMessage.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace {

struct VocePulsante {
    int flag;
    const char* testo;
};

// The order in which the buttons stand along the bottom of the box.
constexpr VocePulsante kOrdine[] = {
    {TFrmMessage::Si, "Si"}, {TFrmMessage::OK, "OK"}, {TFrmMessage::No, "No"}, {TFrmMessage::Annulla, "Annulla"}};

constexpr int kSpazioSottoTesto = 15;
constexpr int kMargineBasso = 12;

QString TestoPulsante(int flag) {
    for (const auto& voce : kOrdine)
        if (voce.flag == flag) return QString::fromUtf8(voce.testo);
    return {};
}

}  // namespace

TFrmMessage::TFrmMessage(const QString& titolo, const QString& testo, int pulsanti, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      testo_(testo),
      pulsanti_(pulsanti) {
    setObjectName(QStringLiteral("FrmMessage"));
    setWindowTitle(titolo);
    setModal(true);

    const QFontMetrics metriche = fontMetrics();
    righe_ = RigheTesto(
        testo_, [&metriche](const QString& parola) { return metriche.horizontalAdvance(parola); }, XTesto(),
        Larghezza - MargineDestro);
    const int fineTesto = AltoTesto + static_cast<int>(righe_.size()) * metriche.height();
    const int yPulsanti = std::max(fineTesto, AltoTesto + LatoIcona) + kSpazioSottoTesto;
    setFixedSize(Larghezza, yPulsanti + AltezzaPulsante + kMargineBasso);
    CreaPulsanti();

    const QScreen* schermo = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (schermo != nullptr) move(schermo->availableGeometry().center() - rect().center());
}

void TFrmMessage::CreaPulsanti() {
    const QList<int> visibili = PulsantiVisibili(pulsanti_);
    const QList<int> posizioni = PosizioniPulsanti(Larghezza, LarghezzaPulsante, static_cast<int>(visibili.size()));
    const int y = height() - kMargineBasso - AltezzaPulsante;
    for (qsizetype i = 0; i < visibili.size(); ++i) {
        const int flag = visibili[i];
        auto* pulsante = new QPushButton(TestoPulsante(flag), this);
        pulsante->setObjectName(TestoPulsante(flag));
        pulsante->setGeometry(posizioni[i], y, LarghezzaPulsante, AltezzaPulsante);
        pulsante->setAutoDefault(false);
        if (i == 0) {
            pulsante->setDefault(true);
            pulsante->setFocus();
        }
        connect(pulsante, &QPushButton::clicked, this, [this, flag] { done(flag); });
    }
}

int TFrmMessage::Mostra(const QString& titolo, const QString& testo, int pulsanti, QWidget* parent) {
    TFrmMessage box(titolo, testo, pulsanti, parent);
    return box.exec();
}

QList<int> TFrmMessage::PulsantiVisibili(int pulsanti) {
    QList<int> visibili;
    for (const auto& voce : kOrdine)
        if ((pulsanti & voce.flag) != 0) visibili.append(voce.flag);
    return visibili;
}

QList<int> TFrmMessage::PosizioniPulsanti(int larghezzaBox, int larghezzaPulsante, int numero) {
    QList<int> posizioni;
    if (numero <= 0) return posizioni;
    const int spazio = (larghezzaBox - numero * larghezzaPulsante) / (numero + 1);
    for (int i = 0; i < numero; ++i) posizioni.append(spazio + i * (larghezzaPulsante + spazio));
    return posizioni;
}

QStringList TFrmMessage::RigheTesto(const QString& testo, const std::function<int(const QString&)>& larghezza,
                                    int xInizio, int xLimite) {
    QStringList righe(QString{});
    int x = xInizio;
    QString parola;
    const auto posa = [&] {
        if (parola.isEmpty()) return;
        const int l = larghezza(parola);
        if (x + l > xLimite && !righe.last().isEmpty()) {
            righe.append(QString{});
            x = xInizio;
        }
        righe.last() += parola;
        x += l;
        parola.clear();
    };
    for (const QChar c : testo) {
        if (c == QLatin1Char('\n')) {
            posa();
            righe.append(QString{});
            x = xInizio;
        } else {
            parola += c;
            if (c == QLatin1Char(' ')) posa();
        }
    }
    posa();
    return righe;
}

int TFrmMessage::RispostaEscape() const {
    for (const int flag : {Annulla, No, OK})
        if ((pulsanti_ & flag) != 0) return flag;
    return 0;
}

void TFrmMessage::reject() {
    if (const int risposta = RispostaEscape(); risposta != 0) done(risposta);
}

void TFrmMessage::closeEvent(QCloseEvent* event) {
    // Closing the window is an answer only where Escape is one.
    if (RispostaEscape() == 0) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TFrmMessage::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    const bool domanda = (pulsanti_ & (Si | No)) != 0;
    const QIcon icona =
        style()->standardIcon(domanda ? QStyle::SP_MessageBoxQuestion : QStyle::SP_MessageBoxInformation, nullptr, this);
    icona.paint(&p, MargineIcona, AltoTesto, LatoIcona, LatoIcona);
    const QFontMetrics metriche = fontMetrics();
    for (qsizetype i = 0; i < righe_.size(); ++i)
        p.drawText(XTesto(), AltoTesto + static_cast<int>(i) * metriche.height() + metriche.ascent(), righe_[i]);
}

int Informazione(const QString& testo, int pulsanti, QWidget* parent) {
    return TFrmMessage::Mostra(QStringLiteral("Informazione"), testo, pulsanti, parent);
}

int Conferma(const QString& testo, int pulsanti, QWidget* parent) {
    return TFrmMessage::Mostra(QStringLiteral("Conferma"), testo, pulsanti, parent);
}
