#include "ui/engine/TFrmCalcGaranzie.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

#include "core/engine/TestiGaranzie.h"
#include "core/io/ProgramFolder.h"
#include "core/printing/Tabulato.h"
#include "ui/controls/AvanzamentoCondiviso.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/Guida.h"
#include "ui/controls/LavoroInParallelo.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/printing/StampaSuFile.h"
#include "ui/printing/SuperficieStampa.h"
#include "ui/printing/TmmPrinterQt.h"
#include "ui_TFrmCalcGaranzie.h"

namespace {

constexpr int IntervalloAggiornamento = 50;  // ms
constexpr int LarghezzaPunti = 80;
constexpr int AltezzaRiga = 20;
constexpr int PuntiTitolo = 14;
constexpr int PuntiTabella = 8;

std::size_t Indice(int chiave) { return static_cast<std::size_t>(8 - chiave); }

}  // namespace

TFrmCalcGaranzie::TFrmCalcGaranzie(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmCalcGaranzie>()),
      sistema_(sistema),
      avanzamento_(std::make_unique<AvanzamentoCondiviso>()),
      filo_(new LavoroInParallelo(this)),
      timer_(new QTimer(this)) {
    ui->setupUi(this);
    ui->Griglia->setColumnCount(static_cast<int>(ludo::IntestazioniGaranzie.size()));
    QStringList intestazioni;
    for (const char* t : ludo::IntestazioniGaranzie) intestazioni << QString::fromUtf8(t);
    ui->Griglia->setHorizontalHeaderLabels(intestazioni);
    ui->Griglia->verticalHeader()->hide();
    ui->Griglia->verticalHeader()->setDefaultSectionSize(AltezzaRiga);
    for (int c = 0; c < 3; ++c) ui->Griglia->setColumnWidth(c, LarghezzaPunti);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    ImpostaOggetto();

    for (QAbstractButton* b : {static_cast<QAbstractButton*>(ui->RBMemoria), static_cast<QAbstractButton*>(ui->RBFileEsaminare),
                               static_cast<QAbstractButton*>(ui->RBPronostico),
                               static_cast<QAbstractButton*>(ui->RBFileConfronto), static_cast<QAbstractButton*>(ui->CBErrori0),
                               static_cast<QAbstractButton*>(ui->CBErrori1), static_cast<QAbstractButton*>(ui->CBErrori2)}) {
        connect(b, &QAbstractButton::toggled, this, &TFrmCalcGaranzie::AggiornaForm);
    }
    connect(ui->EditFileEsaminare, &QLineEdit::textChanged, this, &TFrmCalcGaranzie::AggiornaForm);
    connect(ui->EditFileConfronto, &QLineEdit::textChanged, this, &TFrmCalcGaranzie::AggiornaForm);
    connect(ui->CercaEsaminareBtn, &QPushButton::clicked, this, [this] { CercaClick(ui->EditFileEsaminare); });
    connect(ui->CercaConfrontoBtn, &QPushButton::clicked, this, [this] { CercaClick(ui->EditFileConfronto); });
    connect(ui->SpeedErr0, &QToolButton::clicked, this, [this] { MostraTabella(8); });
    connect(ui->SpeedErr1, &QToolButton::clicked, this, [this] { MostraTabella(7); });
    connect(ui->SpeedErr2, &QToolButton::clicked, this, [this] { MostraTabella(6); });
    connect(ui->CalcolaBtn, &QPushButton::clicked, this, &TFrmCalcGaranzie::CalcolaClick);
    connect(ui->InterrompiBtn, &QPushButton::clicked, this, &TFrmCalcGaranzie::InterrompiClick);
    connect(ui->StampaBtn, &QPushButton::clicked, this, &TFrmCalcGaranzie::StampaClick);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &TFrmCalcGaranzie::reject);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    connect(filo_, &LavoroInParallelo::Finito, this, &TFrmCalcGaranzie::Finito);
    connect(timer_, &QTimer::timeout, this, &TFrmCalcGaranzie::Aggiorna);
}

TFrmCalcGaranzie::~TFrmCalcGaranzie() {
    avanzamento_->Annulla();
    filo_->Attendi();
}

bool TFrmCalcGaranzie::InCorso() const { return filo_->InCorso(); }

// The sources the system cannot give are not offered: no columns in memory,
// a forecast of fewer than 8 matches.
void TFrmCalcGaranzie::ImpostaOggetto() {
    const auto& d = *sistema_.Dati;
    ui->RBMemoria->setEnabled(!d.Colonne.Vuota());
    if (d.Colonne.Vuota()) ui->RBFileEsaminare->setChecked(true);
    ui->RBPronostico->setEnabled(ludo::NumeroNumeri(d.Pronostico) >= 8);
    if (!ui->RBPronostico->isEnabled()) ui->RBFileConfronto->setChecked(true);
    SvuotaGriglia();
    ui->LabelStato->clear();
    AggiornaForm();
}

void TFrmCalcGaranzie::AggiornaForm() {
    const bool libero = !InCorso();
    const bool pronostico = ui->RBPronostico->isChecked();
    const bool conErrori = pronostico && (ui->CBErrori1->isChecked() || ui->CBErrori2->isChecked());
    ui->GBEsaminare->setEnabled(libero);
    ui->GBConfronto->setEnabled(libero);
    ui->GBErrori->setEnabled(libero && pronostico);
    ui->EditFileEsaminare->setEnabled(ui->RBFileEsaminare->isChecked());
    ui->CercaEsaminareBtn->setEnabled(ui->RBFileEsaminare->isChecked());
    ui->EditFileConfronto->setEnabled(!pronostico);
    ui->CercaConfrontoBtn->setEnabled(!pronostico);
    ui->CBCondizioni->setEnabled(!conErrori);
    const bool qualcosa = !pronostico || ui->CBErrori0->isChecked() || conErrori;
    const bool esaminate = ui->RBMemoria->isChecked() || !ui->EditFileEsaminare->text().trimmed().isEmpty();
    const bool confronto = pronostico || !ui->EditFileConfronto->text().trimmed().isEmpty();
    ui->CalcolaBtn->setEnabled(libero && qualcosa && esaminate && confronto);
    ui->InterrompiBtn->setEnabled(!libero);
    ui->ChiudiBtn->setEnabled(libero);
    ui->StampaBtn->setEnabled(libero && mostrata_ != 0);
    const std::array<QToolButton*, 3> speed{ui->SpeedErr0, ui->SpeedErr1, ui->SpeedErr2};
    for (std::size_t i = 0; i < speed.size(); ++i) speed[i]->setEnabled(libero && pronte_[i]);
}

ludo::ImpostazioniGaranzie TFrmCalcGaranzie::AcquisisceForm() const {
    ludo::ImpostazioniGaranzie imp;
    imp.ColonneInMemoria = ui->RBMemoria->isChecked();
    imp.FileEsaminate = ui->EditFileEsaminare->text().trimmed().toStdString();
    imp.ConfrontoPronostico = ui->RBPronostico->isChecked();
    imp.FileConfronto = ui->EditFileConfronto->text().trimmed().toStdString();
    imp.ApplicaCondizioni = ui->CBCondizioni->isEnabled() && ui->CBCondizioni->isChecked();
    imp.Errori = {ui->CBErrori0->isChecked(), ui->CBErrori1->isChecked(), ui->CBErrori2->isChecked()};
    return imp;
}

void TFrmCalcGaranzie::CercaClick(QLineEdit* edit) {
    const QString colonne =
        QString::fromStdString(ludo::io::resolvePath(sistema_.Cartella(), std::string(ludo::io::kColonne)).string());
    RichiestaFile r;
    r.titolo = QStringLiteral("Seleziona il File Colonnare");
    r.cartella = colonne;
    r.filtro = QStringLiteral("File Colonnare (*.Col)");
    r.estensione = QStringLiteral("Col");
    const QString scelto = ChiediFile(this, r);
    if (scelto.isEmpty()) return;
    // A file of COLONNE is shown by its name alone, as it is typed.
    const QFileInfo info(scelto);
    edit->setText(info.absolutePath() == QFileInfo(colonne).absoluteFilePath() ? info.fileName() : scelto);
}

void TFrmCalcGaranzie::SvuotaGriglia() {
    ui->Griglia->clearContents();
    ui->Griglia->setRowCount(static_cast<int>(ludo::RigheMinimeGaranzie));
    ui->Griglia->setColumnWidth(3, ludo::LarghezzaPercentualeGaranzie(ludo::RigheMinimeGaranzie));
    mostrata_ = 0;
}

void TFrmCalcGaranzie::CalcolaClick() {
    if (!ui->CalcolaBtn->isEnabled()) return;
    SvuotaGriglia();
    pronte_ = {};
    errore_.clear();
    esito_ = {};
    avanzamento_ = std::make_unique<AvanzamentoCondiviso>();
    versioneFase_ = 0;
    ui->Gauge->setValue(0);
    ui->LabelStato->clear();
    const ludo::ImpostazioniGaranzie imp = AcquisisceForm();
    filo_->Avvia([this, imp] {
        try {
            esito_ = ludo::CalcolaGaranzie(sistema_, imp, *avanzamento_);
        } catch (const std::exception& e) {
            errore_ = e.what();
        }
    });
    timer_->start(IntervalloAggiornamento);
    AggiornaForm();
    ui->InterrompiBtn->setFocus();
}

void TFrmCalcGaranzie::Aggiorna() {
    ui->Gauge->setValue(std::max(avanzamento_->Percentuale(), 0));
    if (avanzamento_->VersioneFase() != versioneFase_)
        ui->LabelStato->setText(QString::fromStdString(avanzamento_->TestoFase(versioneFase_)));
}

void TFrmCalcGaranzie::Finito() {
    timer_->stop();
    Aggiorna();
    if (!errore_.empty()) {
        ui->LabelStato->clear();
        AggiornaForm();
        Informazione(QString::fromStdString(errore_), TFrmMessage::OK, this);
        return;
    }
    pronte_ = esito_.Calcolate;
    if (esito_.Annullato) {
        // The table being filled when the user stopped holds raw counts: not shown.
        for (int chiave = 6; chiave <= 8; ++chiave) {
            if (pronte_[Indice(chiave)]) {
                pronte_[Indice(chiave)] = false;
                break;
            }
        }
        ui->LabelStato->setText(QStringLiteral("Calcolo interrotto"));
    } else {
        ui->Gauge->setValue(100);
        ui->LabelStato->setText(QStringLiteral("Calcolo terminato"));
    }
    for (int chiave = 8; chiave >= 6; --chiave) {
        if (pronte_[Indice(chiave)]) {
            MostraTabella(chiave);
            break;
        }
    }
    AggiornaForm();
    ui->CalcolaBtn->setFocus();
}

void TFrmCalcGaranzie::MostraTabella(int chiave) {
    const auto righe = ludo::RigheGaranzie(sistema_.Garanzie.Tabella(chiave));
    ui->Griglia->clearContents();
    ui->Griglia->setRowCount(static_cast<int>(std::max(righe.size(), ludo::RigheMinimeGaranzie)));
    for (std::size_t r = 0; r < righe.size(); ++r) {
        for (std::size_t c = 0; c < righe[r].size(); ++c) {
            ui->Griglia->setItem(static_cast<int>(r), static_cast<int>(c),
                                 new QTableWidgetItem(QString::fromStdString(righe[r][c])));
        }
    }
    ui->Griglia->setColumnWidth(3, ludo::LarghezzaPercentualeGaranzie(righe.size()));
    mostrata_ = chiave;
    const std::array<QToolButton*, 3> speed{ui->SpeedErr0, ui->SpeedErr1, ui->SpeedErr2};
    speed[Indice(chiave)]->setChecked(true);
    AggiornaForm();
}

void TFrmCalcGaranzie::InterrompiClick() {
    avanzamento_->Annulla();
    ui->InterrompiBtn->setEnabled(false);
}

void TFrmCalcGaranzie::reject() {
    if (!InCorso()) {
        QDialog::reject();
        return;
    }
    if (ui->InterrompiBtn->isEnabled()) InterrompiClick();
}

void TFrmCalcGaranzie::StampaClick() {
    if (mostrata_ == 0) return;
    QString file;
    if (StampaSuFile()) {
        file = ChiediFileStampa(this, QStringLiteral("Garanzie.pdf"));
        if (file.isEmpty()) return;
    }
    const QString titolo = QString::fromStdString(ludo::TitoloStampaGaranzie(mostrata_));
    const ludo::GrigliaDaStampare griglia = GrigliaDi(*ui->Griglia);
    QFont fontTitolo = QApplication::font();
    fontTitolo.setPointSize(PuntiTitolo);
    fontTitolo.setBold(true);
    QFont fontTabella = QApplication::font();
    fontTabella.setPointSize(PuntiTabella);
    EseguiStampa(
        this,
        [&] {
            StampaSu([&](SuperficieStampa& superficie) {
                StampaTabella(superficie, titolo, griglia, fontTitolo, fontTabella);
            });
        },
        ludo::MsgImpossibileStampareTabella, file);
}
