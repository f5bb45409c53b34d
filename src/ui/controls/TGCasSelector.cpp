#include "ui/controls/TGCasSelector.h"

#include <QPainter>
#include <algorithm>

#include "ui/controls/TFrmMessage.h"

namespace {
constexpr int kSpazioDidascalia = 6;
}

TGCasSelector::TGCasSelector(QWidget* parent) : QWidget(parent), fontNormale_(font()), fontFisse_(font()) {
    Ricostruisci();
}

void TGCasSelector::setTotaleNumeri(int n) { Imposta(totaleNumeri_, std::max(0, n)); }
void TGCasSelector::setNumFisse(int n) { Imposta(numFisse_, std::max(0, n)); }
void TGCasSelector::setTestoFisse(const QString& testo) { Imposta(testoFisse_, testo); }
void TGCasSelector::setNumeriPerRiga(int n) { Imposta(numeriPerRiga_, std::max(1, n)); }
void TGCasSelector::setLarghezzaCella(int n) { Imposta(larghezzaCella_, std::max(1, n)); }
void TGCasSelector::setAltezzaCella(int n) { Imposta(altezzaCella_, std::max(1, n)); }
void TGCasSelector::setDistanzaVerticale(int n) { Imposta(distanzaVerticale_, std::max(0, n)); }
void TGCasSelector::setDistanzaOrizzontale(int n) { Imposta(distanzaOrizzontale_, std::max(0, n)); }
void TGCasSelector::setFontNormale(const QFont& font) { Imposta(fontNormale_, font); }
void TGCasSelector::setFontFisse(const QFont& font) { Imposta(fontFisse_, font); }
void TGCasSelector::setReadOnly(bool soloLettura) { Imposta(readOnly_, soloLettura); }

int TGCasSelector::MargineSinistro() const {
    if (numFisse_ == 0 || testoFisse_.isEmpty()) return 0;
    return QFontMetrics(fontFisse_).horizontalAdvance(testoFisse_) + kSpazioDidascalia;
}

QPoint TGCasSelector::PosizioneCasella(int indice) const {
    const int riga = indice / numeriPerRiga_;
    const int colonna = indice % numeriPerRiga_;
    return {MargineSinistro() + colonna * (larghezzaCella_ + distanzaOrizzontale_),
            riga * (altezzaCella_ + distanzaVerticale_)};
}

void TGCasSelector::Ricostruisci() {
    while (caselle_.size() > totaleNumeri_) delete caselle_.takeLast();
    while (caselle_.size() < totaleNumeri_) {
        auto* casella = new TGEditNum(this);
        casella->setObjectName(QStringLiteral("Cas%1").arg(caselle_.size() + 1));
        casella->show();
        caselle_.append(casella);
    }
    for (int i = 0; i < caselle_.size(); ++i) {
        TGEditNum* casella = caselle_[i];
        const bool fissa = i < numFisse_;
        casella->setGeometry(QRect(PosizioneCasella(i), QSize(larghezzaCella_, altezzaCella_)));
        casella->setFont(fissa ? fontFisse_ : fontNormale_);
        QPalette colori = palette();
        if (fissa) colori.setColor(QPalette::Text, Qt::red);
        casella->setPalette(colori);
        casella->setReadOnly(readOnly_);
    }
    updateGeometry();
    update();
}

QSize TGCasSelector::sizeHint() const {
    if (caselle_.isEmpty()) return {MargineSinistro(), 0};
    const int colonne = std::min<int>(numeriPerRiga_, static_cast<int>(caselle_.size()));
    const QPoint ultima = PosizioneCasella(static_cast<int>(caselle_.size()) - 1);
    return {MargineSinistro() + colonne * larghezzaCella_ + (colonne - 1) * distanzaOrizzontale_,
            ultima.y() + altezzaCella_};
}

void TGCasSelector::paintEvent(QPaintEvent* /*event*/) {
    if (MargineSinistro() == 0) return;
    QPainter p(this);
    p.setFont(fontFisse_);
    p.setPen(Qt::red);
    p.drawText(QRect(0, 0, MargineSinistro() - kSpazioDidascalia, altezzaCella_), Qt::AlignRight | Qt::AlignVCenter,
               testoFisse_);
}

TGCasSelector::Lettura TGCasSelector::Leggi() const {
    Lettura lettura;
    for (int i = 0; i < caselle_.size(); ++i) {
        const int n = caselle_[i]->Numero();
        const auto m = ludo::Colonna{1} << ((n - 1) & 31);
        if (n < 0) lettura.esito = Esito::NonNumero;
        else if (n < 1 || n > 32) lettura.esito = Esito::FuoriIntervallo;
        else if ((lettura.colonna & m) != 0) lettura.esito = Esito::Ripetuto;
        if (lettura.esito != Esito::Letto) {
            lettura.casella = i;
            return lettura;
        }
        lettura.colonna |= m;
    }
    return lettura;
}

bool TGCasSelector::LeggiNumeri(ludo::Colonna& colonna, bool silenzioso) {
    const Lettura lettura = Leggi();
    colonna = lettura.colonna;
    if (lettura.esito == Esito::Letto) return true;
    if (!silenzioso) {
        TGEditNum* casella = caselle_[lettura.casella];
        Informazione(Messaggio(lettura.esito), TFrmMessage::OK, this);
        casella->setFocus();
        casella->selectAll();
    }
    return false;
}

void TGCasSelector::ImpostaNumeri(ludo::Colonna colonna) {
    const int numeri = ludo::NumeroNumeri(colonna);
    for (int i = 0; i < caselle_.size(); ++i) caselle_[i]->ImpostaNumero(i < numeri ? ludo::NumeroK(i + 1, colonna) : 0);
}

QString TGCasSelector::Messaggio(Esito esito) {
    switch (esito) {
        case Esito::NonNumero: return QStringLiteral("Non sono stati inseriti tutti i numeri.");
        case Esito::FuoriIntervallo: return QStringLiteral("Uno o più numeri inseriti non sono validi.");
        case Esito::Ripetuto: return QStringLiteral("Uno dei numeri è stato inserito più di una volta.");
        case Esito::Letto: break;
    }
    return {};
}
