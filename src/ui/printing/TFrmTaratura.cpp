#include "ui/printing/TFrmTaratura.h"

#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

#include "core/io/Errore.h"
#include "core/printing/Taratura.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/SalvataggioConfigurazione.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/printing/StampaLavoro.h"
#include "ui/printing/TFormStampaSchedine.h"
#include "ui_TFrmTaratura.h"

namespace {

// Used when the slip picture is missing: a plain sheet of the same scale.
constexpr int LarghezzaSenzaImmagine = 220;
constexpr int AltezzaSenzaImmagine = 420;

QImage ImmagineSchedina(const std::filesystem::path& cartella) {
    QImage immagine(QString::fromStdString((cartella / ludo::FileImmagineSchedina).string()));
    if (!immagine.isNull()) return immagine.convertToFormat(QImage::Format_RGB32);
    QImage vuota(LarghezzaSenzaImmagine, AltezzaSenzaImmagine, QImage::Format_RGB32);
    vuota.fill(Qt::white);
    return vuota;
}

}  // namespace

TFrmTaratura::TFrmTaratura(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmTaratura>()),
      sistema_(sistema),
      salvate_(sistema.Dati->Config.ImpStampa.Geometrie),
      tipo_(sistema.Dati->Config.ImpStampa.Orizzontale ? ludo::StampaOrizzontale : ludo::StampaVerticale),
      schedina_(ImmagineSchedina(sistema.Cartella())) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, QStringLiteral("taratura"));
    (tipo_ == ludo::StampaOrizzontale ? ui->RBOrizzontale : ui->RBVerticale)->setChecked(true);
    ui->CBStampaScritta->setChecked(sistema.Dati->Config.ImpStampa.StampaScritta);
    CaricaControlli();
    for (QLineEdit* e : {ui->EMargineSin, ui->EMargineSup, ui->EScrittaX, ui->EScrittaY}) {
        connect(e, &QLineEdit::textEdited, this, &TFrmTaratura::Modificato);
    }
    for (QSpinBox* s : {ui->SEDistOrizzontale, ui->SEDistVerticale, ui->SEDistColonne, ui->SELarghezza, ui->SEAltezza}) {
        connect(s, &QSpinBox::valueChanged, this, &TFrmTaratura::Modificato);
    }
    connect(ui->CBStampaScritta, &QCheckBox::toggled, this, &TFrmTaratura::Modificato);
    connect(ui->RBVerticale, &QRadioButton::toggled, this, &TFrmTaratura::CambioTipo);
    using G = ludo::SlipGeometry;
    const struct {
        QToolButton* pulsante;
        double G::*campo;
        int verso;
    } frecce[] = {
        {ui->BSu, &G::YPrimaCol, -1},        {ui->BGiu, &G::YPrimaCol, 1},
        {ui->BSinistra, &G::XPrimaCol, -1},  {ui->BDestra, &G::XPrimaCol, 1},
        {ui->BSuScritta, &G::ScrittaY, -1},  {ui->BGiuScritta, &G::ScrittaY, 1},
        {ui->BSinistraScritta, &G::ScrittaX, -1}, {ui->BDestraScritta, &G::ScrittaX, 1},
    };
    for (const auto& f : frecce) {
        connect(f.pulsante, &QToolButton::clicked, this, [this, f] { Sposta(f.campo, f.verso); });
    }
    connect(ui->BTest, &QPushButton::clicked, this, &TFrmTaratura::TestClick);
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmTaratura::OKBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &TFrmTaratura::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, QStringLiteral("taratura")); });
}

TFrmTaratura::~TFrmTaratura() = default;

ludo::SlipGeometry& TFrmTaratura::Geometria() { return sistema_.Dati->Config.ImpStampa.Geometrie.at(tipo_ - 1); }

int TFrmTaratura::TipoScelto() const {
    return ui->RBVerticale->isChecked() ? ludo::StampaVerticale : ludo::StampaOrizzontale;
}

void TFrmTaratura::CaricaControlli() {
    caricando_ = true;
    const ludo::SlipGeometry& g = Geometria();
    const auto testo = [](double mm) { return QString::number(ludo::DecimiDaMm(mm)); };
    ui->EMargineSin->setText(testo(g.XPrimaCol));
    ui->EMargineSup->setText(testo(g.YPrimaCol));
    ui->EScrittaX->setText(testo(g.ScrittaX));
    ui->EScrittaY->setText(testo(g.ScrittaY));
    ui->SEDistOrizzontale->setValue(ludo::DecimiDaMm(g.DistanzaSegniOriz));
    ui->SEDistVerticale->setValue(ludo::DecimiDaMm(g.distanzaSegniVert));
    ui->SEDistColonne->setValue(ludo::DecimiDaMm(g.DistanzaColonne));
    ui->SELarghezza->setValue(ludo::DecimiDaMm(g.LQuadratini));
    ui->SEAltezza->setValue(ludo::DecimiDaMm(g.AQuadratini));
    caricando_ = false;
    DisegnaAnteprima();
}

bool TFrmTaratura::SalvaControlli(QString* nonValido) {
    const struct {
        QLineEdit* casella;
        double ludo::SlipGeometry::*campo;
    } caselle[] = {{ui->EMargineSin, &ludo::SlipGeometry::XPrimaCol},
                   {ui->EMargineSup, &ludo::SlipGeometry::YPrimaCol},
                   {ui->EScrittaX, &ludo::SlipGeometry::ScrittaX},
                   {ui->EScrittaY, &ludo::SlipGeometry::ScrittaY}};
    ludo::SlipGeometry g = Geometria();
    for (const auto& c : caselle) {
        bool ok = false;
        const int decimi = c.casella->text().trimmed().toInt(&ok);
        if (!ok) {
            if (nonValido != nullptr) *nonValido = c.casella->text();
            return false;
        }
        g.*c.campo = ludo::MmDaDecimi(decimi);
    }
    g.DistanzaSegniOriz = ludo::MmDaDecimi(ui->SEDistOrizzontale->value());
    g.distanzaSegniVert = ludo::MmDaDecimi(ui->SEDistVerticale->value());
    g.DistanzaColonne = ludo::MmDaDecimi(ui->SEDistColonne->value());
    g.LQuadratini = ludo::MmDaDecimi(ui->SELarghezza->value());
    g.AQuadratini = ludo::MmDaDecimi(ui->SEAltezza->value());
    Geometria() = g;
    sistema_.Dati->Config.ImpStampa.StampaScritta = ui->CBStampaScritta->isChecked();
    return true;
}

bool TFrmTaratura::SalvaOSegnala() {
    QString nonValido;
    if (SalvaControlli(&nonValido)) return true;
    Informazione(QStringLiteral("'") + nonValido + QString::fromUtf8(MsgValoreNonIntero), TFrmMessage::OK, this);
    return false;
}

void TFrmTaratura::Modificato() {
    if (caricando_) return;
    // A box being typed into may not hold a number yet: the stored values
    // stay as they were until it does.
    if (SalvaControlli()) DisegnaAnteprima();
}

void TFrmTaratura::CambioTipo() {
    SalvaControlli();
    tipo_ = TipoScelto();
    CaricaControlli();
}

void TFrmTaratura::Sposta(double ludo::SlipGeometry::*campo, int verso) {
    if (!SalvaOSegnala()) return;
    if (!ludo::SpostaDiUnDecimo(Geometria().*campo, verso)) return;
    CaricaControlli();
}

void TFrmTaratura::DisegnaAnteprima() {
    const ludo::SlipGeometry& g = Geometria();
    anteprima_ = schedina_.copy();
    QPainter p(&anteprima_);
    for (const ludo::Rettangolo& r : ludo::QuadratiniAnteprima(g)) {
        p.fillRect(QRectF(QPointF(r.x1, r.y1), QPointF(r.x2, r.y2)), Qt::black);
    }
    if (ui->CBStampaScritta->isChecked()) {
        // The sample label reads from bottom to top; its top stands
        // RialzoEtichettaAnteprima pixels above the label point.
        const QString testo = QString::fromUtf8(ludo::EtichettaProva);
        QFont font(QString::fromLatin1(FontStampaSchedine));
        font.setStyleHint(QFont::TypeWriter);
        font.setBold(true);
        font.setPixelSize(10);
        const double larghezza = QFontMetricsF(font).horizontalAdvance(testo);
        const double scala = ludo::RialzoEtichettaAnteprima / std::max(1.0, larghezza);
        font.setPixelSize(std::max(1, static_cast<int>(10 * scala)));
        const ludo::Pixel punto = ludo::PuntoEtichettaAnteprima(g);
        p.translate(punto.x, punto.y + ludo::RialzoEtichettaAnteprima);
        p.rotate(-90);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(0, QFontMetrics(font).ascent(), testo);
    }
    p.end();
    ui->ImmagineSchedina->setPixmap(QPixmap::fromImage(anteprima_));
}

void TFrmTaratura::TestClick() {
    auto& imp = sistema_.Dati->Config.ImpStampa;
    const auto primaDelTest = imp.Geometrie;
    if (!SalvaOSegnala()) return;
    TFormStampaSchedine stampa(sistema_, this);
    stampa.Lavoro() = ludo::LavoroProva(tipo_);
    stampa.ImpostaTutto();
    stampa.ImpostaTipoStampa(tipo_);
    stampa.Stampa(1, 1);
    imp.Geometrie = primaDelTest;
}

void TFrmTaratura::OKBtnClick() {
    if (!SalvaOSegnala()) return;
    auto& imp = sistema_.Dati->Config.ImpStampa;
    const bool orizzontale = tipo_ == ludo::StampaOrizzontale;
    if (orizzontale != imp.Orizzontale &&
        TFrmMessage::Mostra(QStringLiteral("Informazione"), QString::fromUtf8(ludo::MsgCambioPredefinito),
                            TFrmMessage::Si | TFrmMessage::No, this) == TFrmMessage::Si) {
        imp.Orizzontale = orizzontale;
        imp.ColonnePerSchedina = ludo::SlipPrintSettings::MaxColonnePerSchedina;
    }
    SalvaConfigurazioneOAvvisa(sistema_.Dati->Config, sistema_.Cartella(), this);
    accept();
}

void TFrmTaratura::reject() {
    sistema_.Dati->Config.ImpStampa.Geometrie = salvate_;
    QDialog::reject();
}
