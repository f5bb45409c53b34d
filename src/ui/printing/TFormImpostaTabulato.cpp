#include "ui/printing/TFormImpostaTabulato.h"

#include <QFontDialog>

#include "core/io/Errore.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/SalvataggioConfigurazione.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/printing/StampaLavoro.h"
#include "ui_TFormImpostaTabulato.h"

std::function<std::optional<QFont>(const QFont&)> TFormImpostaTabulato::RispostaDialogoFont;

TFormImpostaTabulato::TFormImpostaTabulato(ludo::Configurazione& config, std::filesystem::path cartella,
                                           Anteprima anteprima, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFormImpostaTabulato>()),
      config_(config),
      cartella_(std::move(cartella)),
      anteprima_(std::move(anteprima)),
      font_(config.ImpTabulato) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, QStringLiteral("tabulato"));
    ui->SESpazOrizzontale->setValue(config.ImpTabulato.SpaziaturaOrizzontale);
    ui->SESpazVerticale->setValue(config.ImpTabulato.SpaziaturaVerticale);
    MostraFont();
    connect(ui->BCambia, &QPushButton::clicked, this, &TFormImpostaTabulato::CambiaClick);
    connect(ui->BAntemprima, &QPushButton::clicked, this, [this] {
        if (anteprima_) anteprima_(Valori());
    });
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFormImpostaTabulato::OKBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &TFormImpostaTabulato::reject);
}

TFormImpostaTabulato::~TFormImpostaTabulato() = default;

ludo::TImpTabulato TFormImpostaTabulato::Valori() const {
    ludo::TImpTabulato v = font_;
    v.SpaziaturaOrizzontale = ui->SESpazOrizzontale->value();
    v.SpaziaturaVerticale = ui->SESpazVerticale->value();
    return v;
}

void TFormImpostaTabulato::MostraFont() {
    const QFont font = FontTabulato(font_);
    ui->VNomeFont->setText(font.family());
    ui->VDimensione->setText(QString::number(font_.DimensioneFont));
    ui->VStile->setText(NomeStile(font_.StileFont));
}

void TFormImpostaTabulato::CambiaClick() {
    const QFont attuale = FontTabulato(font_);
    std::optional<QFont> scelto;
    if (RispostaDialogoFont) {
        scelto = RispostaDialogoFont(attuale);
    } else {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, attuale, this, QStringLiteral("Tipo di Carattere"));
        if (ok) scelto = f;
    }
    if (!scelto) return;
    ImpostaFontTabulato(font_, *scelto);
    MostraFont();
}

void TFormImpostaTabulato::OKBtnClick() {
    config_.ImpTabulato = Valori();
    SalvaConfigurazioneOAvvisa(config_, cartella_, this);
    accept();
}
