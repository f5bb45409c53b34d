#include "ui/printing/TFormStampaSchedine.h"

#include <QApplication>

#include "core/io/Errore.h"
#include "core/printing/Tabulato.h"
#include "ui/controls/FormatoLocale.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/SalvataggioConfigurazione.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/printing/StampaLavoro.h"
#include "ui/printing/StampaSuFile.h"
#include "ui/printing/SuperficieStampa.h"
#include "ui/printing/TFormImpostaTabulato.h"
#include "ui_TFormStampaSchedine.h"

TFormStampaSchedine::TFormStampaSchedine(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormStampaSchedine>()), sistema_(sistema) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    connect(ui->SEColonne, &QSpinBox::valueChanged, this,
            &TFormStampaSchedine::AggiornaNumSchedine);
    connect(ui->RBSchedine, &QRadioButton::toggled, this, [this] {
        AggiornaNumSchedine();
        AggiornaAbilitazioni();
    });
    connect(ui->RBDa, &QRadioButton::toggled, this, &TFormStampaSchedine::AggiornaAbilitazioni);
    connect(ui->OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(true); });
    connect(ui->CancelBtn, &QPushButton::clicked, this, &TFormStampaSchedine::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, &TFormStampaSchedine::AiutoClick);
    connect(ui->BImpostazioni, &QPushButton::clicked, this,
            &TFormStampaSchedine::ImpostazioniClick);
}

TFormStampaSchedine::~TFormStampaSchedine() = default;

void TFormStampaSchedine::ImpostaTutto() {
    const auto& imp = sistema_.Dati->Config.ImpStampa;
    ui->SEColonne->setMaximum(ludo::SlipPrintSettings::MaxColonnePerSchedina);
    ui->SEColonne->setValue(lavoro_.Prova ? ludo::SlipPrintSettings::MaxColonnePerSchedina
                                          : imp.ColonnePerSchedina);
    ui->SEColonne->setEnabled(!lavoro_.SoloCosto);
    ui->RBTutte->setChecked(true);
    ui->RBSchedine->setChecked(true);
    (imp.Orizzontale ? ui->RBOrizzontale : ui->RBVerticale)->setChecked(true);
    ui->CBCedolina->setVisible(lavoro_.NomeEsterno);
    AggiornaNumSchedine();
    AggiornaAbilitazioni();
}

void TFormStampaSchedine::ImpostaTipoStampa(int tipoStampa) {
    (tipoStampa == ludo::StampaVerticale ? ui->RBVerticale : ui->RBOrizzontale)->setChecked(true);
}

void TFormStampaSchedine::AggiornaNumSchedine() {
    numSchedine_ = ludo::NumeroSchedine(lavoro_.NumColonne(), ui->SEColonne->value());
    const int massimo = std::max(1, numSchedine_);
    for (QSpinBox* s : {ui->SEPrima, ui->SEUltima}) s->setRange(1, massimo);
    ui->SEPrima->setValue(1);
    ui->SEUltima->setValue(massimo);
}

void TFormStampaSchedine::AggiornaAbilitazioni() {
    const bool schedine = ui->RBSchedine->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{ui->RBOrizzontale, ui->RBVerticale,
                                                      ui->CBPausa, ui->CBCedolina}) {
        w->setEnabled(schedine);
    }
    ui->BImpostazioni->setEnabled(!schedine);
    ui->SEPrima->setEnabled(ui->RBDa->isChecked());
    ui->SEUltima->setEnabled(ui->RBDa->isChecked());
}

int TFormStampaSchedine::TipoStampa() const {
    return ui->RBVerticale->isChecked() ? ludo::StampaVerticale : ludo::StampaOrizzontale;
}

OpzioniStampa TFormStampaSchedine::Opzioni() const {
    OpzioniStampa o;
    o.colonnePerSchedina = ui->SEColonne->value();
    // A file has no slips to feed: it takes every slip at once.
    o.pausa = ui->CBPausa->isChecked() && !StampaSuFile();
    o.cedolina = lavoro_.NomeEsterno && ui->CBCedolina->isChecked();
    o.fileSistema = sistema_.NomeFile.filename().string();
    o.formato = FormatoNumeriLocale();
    return o;
}

void TFormStampaSchedine::OKBtnClick(bool daPulsante) {
    int prima = 1;
    int ultima = numSchedine_;
    if (ui->RBDa->isChecked()) {
        prima = ui->SEPrima->value();
        ultima = ui->SEUltima->value();
        if (prima > ultima) {
            Informazione(QString::fromUtf8(ludo::MsgSchedineErrate), TFrmMessage::OK, this);
            return;
        }
    }
    auto& imp = sistema_.Dati->Config.ImpStampa;
    const ludo::SlipPrintSettings precedenti = imp;
    imp.Orizzontale = TipoStampa() == ludo::StampaOrizzontale;
    imp.ColonnePerSchedina = ui->SEColonne->value();
    if (!Stampa(prima, ultima)) {
        // An abandoned job leaves the configuration as it was.
        imp = precedenti;
        return;
    }
    if (!daPulsante) return;
    accept();
    SalvaConfigurazioneOAvvisa(sistema_.Dati->Config, sistema_.Cartella(), parentWidget());
}

void TFormStampaSchedine::ImpostaCedolina(bool stampa) { ui->CBCedolina->setChecked(stampa); }

bool TFormStampaSchedine::Stampa(int prima, int ultima) {
    tutteStampate_ = false;
    QString file;
    if (StampaSuFile()) {
        file = ChiediFileStampa(this, QString::fromStdString(ludo::NomeFileStampa(
                                          lavoro_, sistema_.NomeFile.string())));
        if (file.isEmpty()) return false;
    }
    lavoro_.PrimaSchedina = prima;
    lavoro_.UltimaSchedina = ultima;
    lavoro_.TipoStampa = TipoStampa();
    OpzioniStampa opzioni = Opzioni();
    const bool tabulato = ui->RBTabulato->isChecked();
    opzioni.inPausa = [this] {
        QApplication::restoreOverrideCursor();
        Informazione(QString::fromUtf8(ludo::MsgPausa), TFrmMessage::OK, this);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    };
    const auto& config = sistema_.Dati->Config;
    const bool stampata = EseguiStampa(
        this,
        [&] {
            StampaSu([&](SuperficieStampa& superficie) {
                if (tabulato) {
                    StampaTabulato(superficie, lavoro_, config, config.ImpTabulato, opzioni);
                } else {
                    StampaSchedine(superficie, lavoro_, config, opzioni);
                }
            });
        },
        ludo::MsgImpossibileStampareLavoro, file);
    tutteStampate_ = stampata && !tabulato && prima == 1 && ultima == numSchedine_;
    return stampata;
}

void TFormStampaSchedine::ImpostazioniClick() {
    const OpzioniStampa opzioni = Opzioni();
    auto lavoro = lavoro_;
    lavoro.PrimaSchedina = 1;
    lavoro.UltimaSchedina = numSchedine_;
    const auto& config = sistema_.Dati->Config;
    TFormImpostaTabulato finestra(
        sistema_.Dati->Config, sistema_.Cartella(),
        [&, lavoro](const ludo::TImpTabulato& valori) {
            MostraAnteprima(
                this, QStringLiteral("Antemprima del Tabulato"),
                [&](SuperficieStampa& s) { StampaTabulato(s, lavoro, config, valori, opzioni); });
        },
        this);
    finestra.exec();
}

void TFormStampaSchedine::AiutoClick() { ApriGuida(this, PaginaGuida); }
