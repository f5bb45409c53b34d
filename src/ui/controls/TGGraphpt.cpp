#include "ui/controls/TGGraphpt.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>
#include <utility>

#include "ui/controls/ColoriControlli.h"

namespace {

constexpr int kMargine = 4;
constexpr int kXValori = 32;  // the boxes start after the row captions
constexpr int kFreccia = 12;
constexpr int kSpazioCaselle = 2;
constexpr int kLarghezzaPagina = 30;
constexpr int kAltezzaRiga = 16;
constexpr int kAltezzaCasella = 20;
constexpr int kLarghezzaLink = 44;
constexpr int kLarghezzaTra = 52;
constexpr int kGruppoMassimo = 30;

QColor ColoreStato(std::uint8_t stato, const QPalette& palette) {
    if (stato == ludo::Accettato) return ColoreBGR(kColoreAccettato);
    if (stato == ludo::InRecupero) return ColoreBGR(kColoreRecupero);
    return palette.color(QPalette::Button);
}

void LivelliVisibili(ludo::TabellaMisura& tabella) {
    for (auto& voce : tabella.Voci) voce.Livello = std::max<std::uint8_t>(voce.Livello, 1);
}

// A table refusing every value, levels shown as 1.
ludo::TabellaMisura TabellaVuota() {
    ludo::TabellaMisura tabella;
    LivelliVisibili(tabella);
    return tabella;
}

ludo::TabellaMisura ConLinkValido(ludo::TabellaMisura tabella) {
    if (tabella.Link < 'A' || tabella.Link > 'Z') tabella.Link = 'A';
    return tabella;
}

QFont FontPiccolo(QFont font) {
    font.setPointSize(7);
    return font;
}

}  // namespace

TGGraphpt::TGGraphpt(QWidget* parent)
    : QWidget(parent),
      prima_(TabellaVuota()),
      seconda_(TabellaVuota()),
      btnPunti_(new QToolButton(this)),
      btnCons_(new QToolButton(this)),
      btnCampo_(new QToolButton(this)),
      sinistra_(CreaFreccia(QStringLiteral("Sinistra"), Qt::LeftArrow)),
      destra_(CreaFreccia(QStringLiteral("Destra"), Qt::RightArrow)),
      etichettaLink_(new QLabel(QStringLiteral("Link"), this)),
      link_(new QComboBox(this)),
      etichettaTra_(new QLabel(QStringLiteral("Tra"), this)),
      tra_(new QSpinBox(this)) {
    const struct {
        QToolButton* pulsante;
        const char* nome;
        const char* testo;
        Pagina pagina;
    } pagine[] = {{btnPunti_, "BtnPnt", "Pnt.", PaginaPunti},
                  {btnCons_, "BtnCon", "Con.", PaginaCons},
                  {btnCampo_, "BtnTra", "Tra", PaginaCampo}};
    for (const auto& p : pagine) {
        p.pulsante->setObjectName(QString::fromUtf8(p.nome));
        p.pulsante->setText(QString::fromUtf8(p.testo));
        p.pulsante->setAccessibleName(QString::fromUtf8(p.testo));
        p.pulsante->setCheckable(true);
        p.pulsante->setAutoExclusive(true);
        p.pulsante->setFont(FontPiccolo(font()));
        connect(p.pulsante, &QToolButton::clicked, this, [this, pagina = p.pagina] { MostraPagina(pagina); });
    }
    btnPunti_->setChecked(true);
    connect(sinistra_, &QToolButton::clicked, this, [this] { Scorri(-1); });
    connect(destra_, &QToolButton::clicked, this, [this] { Scorri(1); });

    setFocusPolicy(Qt::StrongFocus);
    link_->setObjectName(QStringLiteral("Link"));
    link_->setAccessibleName(QStringLiteral("Link"));
    etichettaLink_->setBuddy(link_);
    for (char c = 'A'; c <= 'Z'; ++c) link_->addItem(QString(QLatin1Char(c)));
    connect(link_, &QComboBox::activated, this, [this](int indice) {
        TabellaMostrata().Link = static_cast<char>('A' + indice);
        Modifica();
    });
    tra_->setObjectName(QStringLiteral("Tra"));
    tra_->setAccessibleName(QStringLiteral("Tra"));
    etichettaTra_->setBuddy(tra_);
    tra_->setRange(0, kGruppoMassimo);
    connect(tra_, &QSpinBox::valueChanged, this, [this](int gruppo) {
        TabellaMostrata().Campo = static_cast<std::int16_t>(gruppo);
        Modifica();
    });
    Ridisponi();
}

QToolButton* TGGraphpt::CreaFreccia(const QString& nome, Qt::ArrowType verso) {
    auto* freccia = new QToolButton(this);
    freccia->setObjectName(nome);
    freccia->setArrowType(verso);
    freccia->setAutoRepeat(true);
    freccia->setAutoRepeatDelay(RitardoRipetizione);
    freccia->setAutoRepeatInterval(IntervalloRipetizione);
    freccia->setFocusPolicy(Qt::NoFocus);
    return freccia;
}

void TGGraphpt::CreaFrecceLivello() {
    while (su_.size() < Caselle()) {
        const int casella = static_cast<int>(su_.size());
        su_.append(CreaFreccia(QStringLiteral("Su%1").arg(casella), Qt::UpArrow));
        giu_.append(CreaFreccia(QStringLiteral("Giu%1").arg(casella), Qt::DownArrow));
        connect(su_.last(), &QToolButton::clicked, this, [this, casella] { CambiaLivello(casella, 1); });
        connect(giu_.last(), &QToolButton::clicked, this, [this, casella] { CambiaLivello(casella, -1); });
    }
}

void TGGraphpt::setPtTotali(int n) { Imposta(ptTotali_, std::clamp(n, 1, ludo::TabellaMisura::NumeroVoci)); }
void TGGraphpt::setPtVisibili(int n) { Imposta(ptVisibili_, std::max(1, n)); }

void TGGraphpt::setPtIniziale(int n) {
    ptIniziale_ = std::max(0, n);
    primo_ = ptIniziale_;
    Ridisponi();
}

void TGGraphpt::setTitolo(const QString& titolo) {
    setAccessibleName(titolo);
    Imposta(titolo_, titolo);
}

bool TGGraphpt::Offerta(Pagina pagina) const {
    switch (pagina) {
        case PaginaPunti: return tipoPunti_;
        case PaginaCons: return tipoCons_;
        case PaginaCampo: return tipoCampo_;
    }
    return false;
}

int TGGraphpt::NumeroPagine() const { return (tipoPunti_ ? 1 : 0) + (tipoCons_ ? 1 : 0) + (tipoCampo_ ? 1 : 0); }

void TGGraphpt::ImpostaPagine(bool& campo, bool valore) {
    campo = valore;
    // The page shown must be one the control offers.
    for (const Pagina pagina : {pagina_, PaginaPunti, PaginaCons, PaginaCampo}) {
        if (!Offerta(pagina)) continue;
        pagina_ = pagina;
        break;
    }
    if (pagina_ != PaginaCampo) paginaValori_ = pagina_;
    Ridisponi();
}

void TGGraphpt::MostraPagina(Pagina pagina) {
    if (!Offerta(pagina)) return;
    pagina_ = pagina;
    if (pagina != PaginaCampo) paginaValori_ = pagina;
    Ridisponi();
}

ludo::TabellaMisura& TGGraphpt::TabellaMostrata() { return paginaValori_ == PaginaCons ? seconda_ : prima_; }
const ludo::TabellaMisura& TGGraphpt::TabellaMostrata() const {
    return paginaValori_ == PaginaCons ? seconda_ : prima_;
}

int TGGraphpt::Caselle() const { return std::min(ptVisibili_, ptTotali_); }

int TGGraphpt::XCasella(int casella) const {
    return kXValori + (Scorre() ? kFreccia + kSpazioCaselle : 0) + casella * (lBoxPt_ + kSpazioCaselle);
}

QRect TGGraphpt::RettangoloCasella(int casella) const { return {XCasella(casella), yBoxPt_, lBoxPt_, aBoxPt_}; }

QRect TGGraphpt::RettangoloValore(int v) const {
    const int casella = v - primo_;
    if (pagina_ == PaginaCampo || casella < 0 || casella >= Caselle()) return {};
    return RettangoloCasella(casella);
}

QSize TGGraphpt::sizeHint() const {
    const int larghezzaValori = XCasella(Caselle()) + (Scorre() ? kFreccia : 0) + kMargine;
    const int pagine = NumeroPagine();
    const int larghezzaTitolo =
        2 * kMargine + fontMetrics().horizontalAdvance(titolo_) + (pagine > 1 ? pagine * kLarghezzaPagina + kMargine : 0);
    int altezza = yBoxPt_ + aBoxPt_;
    if (recVisibili_) altezza = std::max(altezza, YLivello() + aRec_);
    if (linkTra_) altezza = std::max(altezza, yLink_ + kAltezzaCasella);
    if (tipoCampo_) altezza = std::max(altezza, yTra_ + kAltezzaCasella);
    return {std::max(larghezzaValori, larghezzaTitolo), altezza + 3};
}

void TGGraphpt::Ridisponi() {
    primo_ = std::clamp(primo_, 0, std::max(0, ptTotali_ - ptVisibili_));
    corrente_ = std::clamp(corrente_, 0, ptTotali_ - 1);
    const bool valori = pagina_ != PaginaCampo;
    // The page buttons follow the title.
    int xPagina = 2 * kMargine + fontMetrics().horizontalAdvance(titolo_);
    for (auto [pulsante, pagina] : {std::pair{btnPunti_, PaginaPunti}, std::pair{btnCons_, PaginaCons},
                                    std::pair{btnCampo_, PaginaCampo}}) {
        pulsante->setVisible(Offerta(pagina) && NumeroPagine() > 1);
        pulsante->setChecked(pagina == pagina_);
        pulsante->setGeometry(xPagina, 2, kLarghezzaPagina, kAltezzaRiga);
        if (Offerta(pagina)) xPagina += kLarghezzaPagina;
    }
    sinistra_->setGeometry(kXValori, yBoxPt_, kFreccia, aBoxPt_);
    destra_->setGeometry(XCasella(Caselle()), yBoxPt_, kFreccia, aBoxPt_);
    sinistra_->setVisible(valori && Scorre());
    destra_->setVisible(valori && Scorre());

    CreaFrecceLivello();
    for (int i = 0; i < su_.size(); ++i) {
        const bool visibile = valori && recVisibili_ && i < Caselle();
        su_[i]->setGeometry(XCasella(i), yBtn_, lBoxPt_ / 2, aBtn_);
        giu_[i]->setGeometry(XCasella(i) + lBoxPt_ / 2, yBtn_, lBoxPt_ - lBoxPt_ / 2, aBtn_);
        su_[i]->setVisible(visibile);
        giu_[i]->setVisible(visibile);
    }
    etichettaLink_->setGeometry(kMargine, yLink_, kXValori - kMargine, kAltezzaCasella);
    link_->setGeometry(kXValori, yLink_, kLarghezzaLink, kAltezzaCasella);
    etichettaLink_->setVisible(linkTra_);
    link_->setVisible(linkTra_);
    etichettaTra_->setGeometry(kMargine, yTra_, kXValori - kMargine, kAltezzaCasella);
    tra_->setGeometry(kXValori, yTra_, kLarghezzaTra, kAltezzaCasella);
    etichettaTra_->setVisible(!valori);
    tra_->setVisible(!valori);
    AggiornaCaselleCollegamento();
    updateGeometry();
    update();
}

void TGGraphpt::AggiornaCaselleCollegamento() {
    const QSignalBlocker bloccaLink(link_);
    const QSignalBlocker bloccaTra(tra_);
    const char lettera = TabellaMostrata().Link;
    link_->setCurrentIndex(lettera >= 'A' && lettera <= 'Z' ? lettera - 'A' : -1);
    tra_->setValue(TabellaMostrata().Campo);
}

void TGGraphpt::CaricaMisura(const ludo::TMisura& misura) {
    prima_ = misura.Prima;
    seconda_ = misura.Seconda;
    LivelliVisibili(prima_);
    LivelliVisibili(seconda_);
    da_ = misura.Da;
    a_ = misura.A;
    primo_ = ptIniziale_;
    corrente_ = std::clamp(ptIniziale_, 0, ptTotali_ - 1);
    Ridisponi();
}

void TGGraphpt::SalvaMisura(ludo::TMisura& misura) const {
    misura.Prima = ConLinkValido(prima_);
    misura.Seconda = ConLinkValido(seconda_);
    misura.Da = da_;
    misura.A = a_;
}

void TGGraphpt::Azzera() {
    prima_ = TabellaVuota();
    seconda_ = TabellaVuota();
    da_ = 1;
    a_ = 32;
    AggiornaCaselleCollegamento();
    Modifica();
}

void TGGraphpt::Modifica() {
    modificato_ = true;
    update();
    emit Cambiato();
}

void TGGraphpt::Scorri(int passo) {
    const int nuovo = std::clamp(primo_ + passo, 0, std::max(0, ptTotali_ - ptVisibili_));
    if (nuovo == primo_) return;
    primo_ = nuovo;
    update();
}

void TGGraphpt::CambiaLivello(int casella, int passo) {
    if (pagina_ == PaginaCampo) return;
    auto& voce = TabellaMostrata().Voci[static_cast<std::size_t>(primo_ + casella)];
    const int livello = voce.Livello + passo;
    if (voce.Stato != ludo::InRecupero || livello < 1 || livello > LivelloMassimo) return;
    voce.Livello = static_cast<std::uint8_t>(livello);
    Modifica();
}

void TGGraphpt::CiclaStato(int valore) {
    auto& voce = TabellaMostrata().Voci[static_cast<std::size_t>(valore)];
    if (voce.Stato == ludo::Rifiutato) voce.Stato = ludo::Accettato;
    else if (voce.Stato == ludo::Accettato && recVisibili_) voce.Stato = ludo::InRecupero;
    else voce.Stato = ludo::Rifiutato;
    Modifica();
}

void TGGraphpt::VaiA(int valore) {
    corrente_ = std::clamp(valore, 0, ptTotali_ - 1);
    if (corrente_ < primo_) Scorri(corrente_ - primo_);
    if (corrente_ >= primo_ + Caselle()) Scorri(corrente_ - primo_ - Caselle() + 1);
    update();
}

void TGGraphpt::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || pagina_ == PaginaCampo) return;
    for (int casella = 0; casella < Caselle(); ++casella) {
        if (!RettangoloCasella(casella).contains(event->position().toPoint())) continue;
        corrente_ = primo_ + casella;
        CiclaStato(corrente_);
        return;
    }
}

void TGGraphpt::keyPressEvent(QKeyEvent* event) {
    if (pagina_ == PaginaCampo) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left: VaiA(corrente_ - 1); break;
        case Qt::Key_Right: VaiA(corrente_ + 1); break;
        case Qt::Key_Home: VaiA(0); break;
        case Qt::Key_End: VaiA(ptTotali_ - 1); break;
        case Qt::Key_Space:
            VaiA(corrente_);
            CiclaStato(corrente_);
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            VaiA(corrente_);
            if (recVisibili_) CambiaLivello(corrente_ - primo_, event->key() == Qt::Key_Up ? 1 : -1);
            break;
        default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void TGGraphpt::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TGGraphpt::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TGGraphpt::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    if (bordo_) {
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(kMargine, 2, width() - 2 * kMargine, kAltezzaRiga), Qt::AlignLeft | Qt::AlignVCenter, titolo_);
    if (pagina_ == PaginaCampo) return;

    p.setFont(FontPiccolo(font()));
    if (recVisibili_)
        p.drawText(QRect(kMargine, YLivello(), kXValori - kMargine, aRec_), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Liv."));
    for (int casella = 0; casella < Caselle(); ++casella) {
        const int v = primo_ + casella;
        const ludo::VoceMisura voce = TabellaMostrata().Voce(v);
        const QRect box = RettangoloCasella(casella);
        p.fillRect(box, ColoreStato(voce.Stato, palette()));
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.setPen(voce.Stato == ludo::Accettato ? QColor(Qt::white) : palette().color(QPalette::ButtonText));
        if (testo_) p.drawText(box, Qt::AlignCenter, QString::number(v));
        if (hasFocus() && v == corrente_) {
            p.setPen(QPen(palette().color(QPalette::Highlight), 2));
            p.drawRect(box.adjusted(1, 1, -2, -2));
        }
        if (!recVisibili_) continue;
        const QRect livello(box.x(), YLivello(), lBoxPt_, aRec_);
        p.fillRect(livello, Qt::white);
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(livello.adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        if (voce.Stato == ludo::InRecupero) p.drawText(livello, Qt::AlignCenter, QString::number(voce.Livello));
    }
}
