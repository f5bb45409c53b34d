#include "ui/engine/TFrmImpSv.h"

#include <QFileInfo>

#include "core/engine/Sviluppo.h"
#include "core/io/ProgramFolder.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/TFrmMessage.h"
#include "ui_TFrmImpSv.h"

using ludo::DefDest;
using ludo::DefSorg;

TFrmImpSv::TFrmImpSv(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmImpSv>()), sistema_(sistema) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, QStringLiteral("impostazioni-sviluppo"));
    ImpostaOggetto();
    // Unchecking the reductions that exclude each other comes first, so the
    // dependencies below see it.
    connect(ui->CBDistanzaMinima, &QAbstractButton::toggled, this, [this](bool acceso) {
        if (!acceso) return;
        ui->CBOttimizzata->setChecked(false);
        ui->CBMigliorata->setChecked(false);
    });
    connect(ui->CBOttimizzata, &QAbstractButton::toggled, this, [this](bool acceso) {
        if (acceso) ui->CBMigliorata->setChecked(false);
    });
    connect(ui->CBMigliorata, &QAbstractButton::toggled, this, [this](bool acceso) {
        if (acceso) ui->CBOttimizzata->setChecked(false);
    });
    const std::initializer_list<QAbstractButton*> interruttori = {
        ui->RBPronostico,      ui->RBFileColonnare, ui->RBMemoria,    ui->RBFile,
        ui->CBSviluppoRidotto, ui->CBOttimizzata,   ui->CBMigliorata, ui->CBDistanzaMinima};
    for (QAbstractButton* b : interruttori) connect(b, &QAbstractButton::toggled, this, &TFrmImpSv::AggiornaForm);
    connect(ui->CercaSorgente, &QPushButton::clicked, this, &TFrmImpSv::CercaSorgenteClick);
    connect(ui->CercaDestinazione, &QPushButton::clicked, this, &TFrmImpSv::CercaDestinazioneClick);
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmImpSv::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmImpSv::reject);
    AggiornaForm();
}

TFrmImpSv::~TFrmImpSv() = default;

void TFrmImpSv::ImpostaOggetto() {
    const DefSorg& s = sistema_.Dati->Sorgente;
    const DefDest& d = sistema_.Dati->Destinazione;
    (s.SorgentePronostico ? ui->RBPronostico : ui->RBFileColonnare)->setChecked(true);
    ui->EditFileSorgente->setText(QString::fromStdString(s.FileSorgente));
    (d.DestinazioneMemoria ? ui->RBMemoria : ui->RBFile)->setChecked(true);
    ui->EditFileDestinazione->setText(QString::fromStdString(d.FileDestinazione));
    ui->CBCondizionamenti->setChecked(d.UsaCondizionamenti);
    ui->CBSviluppoRidotto->setChecked(d.SviluppoRidotto);
    (d.Garanzia == 7 ? ui->RBGaranzia7 : ui->RBGaranzia6)->setChecked(true);
    ui->SpinVincite->setValue(d.VinciteMultiple);
    ui->CBOttimizzata->setChecked(d.RiduzioneOttimizzata && !d.RiduzioneMigliorata);
    ui->CBMigliorata->setChecked(d.RiduzioneMigliorata);
    ui->SpinSecondi->setValue(d.SecondiMigliorata);
    ui->CBDistanzaMinima->setChecked(d.DistanzaMinima);
    ui->SpinDistanza->setValue(d.DistMin);
    ui->CBRicalcolo->setChecked(d.RicalcoloAutomatico);
    (d.CalcoloReale ? ui->RBReale : ui->RBStimato)->setChecked(true);
}

void TFrmImpSv::AggiornaForm() {
    const bool file = ui->RBFileColonnare->isChecked();
    ui->EditFileSorgente->setEnabled(file);
    ui->CercaSorgente->setEnabled(file);
    const bool versoFile = ui->RBFile->isChecked();
    ui->EditFileDestinazione->setEnabled(versoFile);
    ui->CercaDestinazione->setEnabled(versoFile);

    const bool ridotto = ui->CBSviluppoRidotto->isChecked();
    const bool distanza = ui->CBDistanzaMinima->isChecked();
    ui->RBGaranzia6->setEnabled(ridotto);
    ui->RBGaranzia7->setEnabled(ridotto);
    ui->CBDistanzaMinima->setEnabled(ridotto);
    ui->CBOttimizzata->setEnabled(ridotto && !distanza);
    ui->CBMigliorata->setEnabled(ridotto && !distanza);
    const bool migliorata = ridotto && ui->CBMigliorata->isChecked();
    ui->SpinSecondi->setEnabled(migliorata);
    const bool vincite = ridotto && !ui->CBOttimizzata->isChecked() && !migliorata && !distanza;
    ui->SpinVincite->setEnabled(vincite);
    ui->LabelVincite->setEnabled(vincite);
    if (!vincite) ui->SpinVincite->setValue(1);
    ui->SpinDistanza->setEnabled(ridotto && distanza);
}

void TFrmImpSv::AcquisisceForm(DefSorg& s, DefDest& d) const {
    s.SorgentePronostico = ui->RBPronostico->isChecked();
    s.FileSorgente = ui->EditFileSorgente->text().toStdString();
    d.DestinazioneMemoria = ui->RBMemoria->isChecked();
    d.FileDestinazione = ui->EditFileDestinazione->text().toStdString();
    d.UsaCondizionamenti = ui->CBCondizionamenti->isChecked();
    d.SviluppoRidotto = ui->CBSviluppoRidotto->isChecked();
    d.Garanzia = ui->RBGaranzia7->isChecked() ? 7 : 6;
    d.VinciteMultiple = static_cast<std::uint8_t>(ui->SpinVincite->value());
    d.RiduzioneMigliorata = ui->CBMigliorata->isChecked();
    d.RiduzioneOttimizzata = ui->CBOttimizzata->isChecked() || d.RiduzioneMigliorata;
    if (d.RiduzioneMigliorata) d.SecondiMigliorata = ludo::SecondiMiglioratiMemorizzabili(ui->SpinSecondi->value());
    d.DistanzaMinima = ui->CBDistanzaMinima->isChecked();
    d.DistMin = static_cast<std::uint8_t>(ui->SpinDistanza->value());
    d.RicalcoloAutomatico = ui->CBRicalcolo->isChecked();
    d.CalcoloReale = ui->RBReale->isChecked();
}

void TFrmImpSv::OKBtnClick() {
    DefSorg sorgente = sistema_.Dati->Sorgente;
    DefDest destinazione = sistema_.Dati->Destinazione;
    AcquisisceForm(sorgente, destinazione);
    if (!sorgente.SorgentePronostico &&
        !std::filesystem::is_regular_file(ludo::PercorsoFileColonne(sistema_, sorgente.FileSorgente))) {
        TFrmMessage::Mostra(QStringLiteral("Informazione"), QString::fromUtf8(MsgFileSorgenteMancante),
                            TFrmMessage::OK, this);
        ui->EditFileSorgente->setFocus();
        return;
    }
    cambiato_ = !(sorgente == sistema_.Dati->Sorgente) || !(destinazione == sistema_.Dati->Destinazione);
    if (cambiato_) {
        sistema_.Dati->Sorgente = sorgente;
        sistema_.Dati->Destinazione = destinazione;
        sistema_.ColonneNonValide();
        sistema_.Modificato = true;
    }
    accept();
}

QString TFrmImpSv::CartellaColonne() const {
    return QString::fromStdString(ludo::io::resolvePath(sistema_.Cartella(), ludo::io::kColonne).string());
}

void TFrmImpSv::CercaSorgenteClick() {
    const QString scelto = ChiediFile(this, {QStringLiteral("Seleziona il File Colonnare"), CartellaColonne(),
                                             QFileInfo(ui->EditFileSorgente->text()).fileName(),
                                             QStringLiteral("File Colonnare (*.Col)"), QStringLiteral("Col"), false});
    if (!scelto.isEmpty()) ui->EditFileSorgente->setText(scelto);
}

void TFrmImpSv::CercaDestinazioneClick() {
    const QString scelto = ChiediFile(this, {QStringLiteral("Salva sul File Colonnare"), CartellaColonne(),
                                             QFileInfo(ui->EditFileDestinazione->text()).fileName(),
                                             QStringLiteral("File Colonnare (*.Col)"), QStringLiteral("Col"), true});
    if (!scelto.isEmpty()) ui->EditFileDestinazione->setText(scelto);
}
