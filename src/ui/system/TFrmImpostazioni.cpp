#include "ui/system/TFrmImpostazioni.h"

#include <QFileInfo>
#include <QPushButton>
#include <cmath>

#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/SalvataggioConfigurazione.h"
#include "ui/controls/TFrmMessage.h"
#include "ui_TFrmImpostazioni.h"

TFrmImpostazioni::TFrmImpostazioni(ludo::Configurazione& config, std::filesystem::path cartellaProgramma,
                                   QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmImpostazioni>()),
      config_(config),
      cartella_(std::move(cartellaProgramma)) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, QStringLiteral("varie"));
    ImpostaOggetto();
    connect(ui->RBLire, &QAbstractButton::toggled, this, &TFrmImpostazioni::AggiornaForm);
    connect(ui->CercaBtn, &QPushButton::clicked, this, &TFrmImpostazioni::CercaClick);
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmImpostazioni::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmImpostazioni::reject);
    AggiornaForm();
}

TFrmImpostazioni::~TFrmImpostazioni() = default;

TFrmImpostazioni::EuroCentesimi TFrmImpostazioni::SeparaEuro(double prezzo) {
    const double intero = std::floor(prezzo);
    return {static_cast<int>(intero), static_cast<int>(std::lround((prezzo - intero) * 100))};
}

void TFrmImpostazioni::ImpostaOggetto() {
    ui->EditSfondo->setText(QString::fromStdString(config_.FileSfondo));
    ui->EditInt->setText(QString::fromStdString(config_.DatiRicevitoria[0]));
    // Prices beyond the spin boxes' ranges show as the nearest bound.
    ui->SpinLire->setValue(static_cast<int>(std::lround(config_.PrezzoLire)));
    const EuroCentesimi euro = SeparaEuro(config_.PrezzoEuro);
    ui->SpinEuro->setValue(euro.euro);
    ui->SpinCentesimi->setValue(euro.centesimi);
    (config_.Euro ? ui->RBEuro : ui->RBLire)->setChecked(true);
    ui->CBSalvaColonne->setChecked(config_.SalvaColonne);
    ui->CBRicaricaSchedina->setChecked(config_.RicaricaSchedina);
}

void TFrmImpostazioni::AggiornaForm() {
    const bool lire = ui->RBLire->isChecked();
    ui->SpinLire->setEnabled(lire);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->SpinEuro, ui->LabelEuro, ui->SpinCentesimi,
                                                      ui->LabelCentesimi}) {
        w->setEnabled(!lire);
    }
}

void TFrmImpostazioni::AcquisisceForm() {
    config_.FileSfondo = ui->EditSfondo->text().toStdString();
    config_.DatiRicevitoria[0] = ui->EditInt->text().toStdString();
    config_.PrezzoLire = ui->SpinLire->value();
    config_.PrezzoEuro = ui->SpinEuro->value() + ui->SpinCentesimi->value() / 100.0;
    config_.Euro = ui->RBEuro->isChecked();
    config_.SalvaColonne = ui->CBSalvaColonne->isChecked();
    config_.RicaricaSchedina = ui->CBRicaricaSchedina->isChecked();
}

void TFrmImpostazioni::CercaClick() {
    const QString cartella =
        QString::fromStdString(ludo::io::resolvePath(cartella_, ludo::io::kSfondi).string());
    const QString scelto =
        ChiediFile(this, {QStringLiteral("Seleziona il Motivo di Sfondo"), cartella,
                          QFileInfo(ui->EditSfondo->text()).fileName(),
                          QStringLiteral("Immagini (*.bmp *.Bmp *.BMP *.jpg *.JPG *.jpeg *.png *.PNG)"),
                          QStringLiteral("Bmp"), false});
    if (!scelto.isEmpty()) ui->EditSfondo->setText(scelto);
}

void TFrmImpostazioni::OKBtnClick() {
    AcquisisceForm();
    SalvaConfigurazioneOAvvisa(config_, cartella_, this);
    accept();
}
