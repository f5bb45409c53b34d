#include "ui/coltools/TFormEditorColonnare.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QScrollBar>
#include <QToolButton>

#include "core/io/ProgramFolder.h"
#include "ui/coltools/ModelloEditorColonne.h"
#include "ui/coltools/TFormSalta.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/printing/TFormStampaSchedine.h"
#include "ui_TFormEditorColonnare.h"

namespace {

constexpr int Visibili = ModelloEditorColonne::ColonneVisibili;
constexpr int PassoGrande = 50;

QString Percorso(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

}  // namespace

TFormEditorColonnare::TFormEditorColonnare(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFormEditorColonnare>()),
      sistema_(sistema),
      editor_(sistema.Cartella()),
      modello_(new ModelloEditorColonne(editor_, this)) {
    ui->setupUi(this);
    ui->Tabella->setModel(modello_);
    ui->ScrollBar->setRange(0, static_cast<int>(ludo::EditorColonne::kMassimoIniziale));
    ui->ScrollBar->setPageStep(PassoGrande);
    const std::pair<QToolButton*, const char*> icone[] = {
        {ui->AzzeraBtn, "nuovo"},
        {ui->CaricaBtn, "carica"},
        {ui->SalvaBtn, "salva"},
        {ui->SalvaConNomeBtn, "salvanome"},
        {ui->InserisciFileBtn, "inseriscifile"},
        {ui->InserisciColonnaBtn, "inseriscicolonna"},
        {ui->CancellaColonnaBtn, "cancellacolonna"},
        {ui->SaltaBtn, "salta"},
        {ui->PrimaBtn, "prima"},
        {ui->UltimaBtn, "ultima"},
        {ui->OrdinaBtn, "ordina"},
        {ui->StampaBtn, "stampa"},
        {ui->HelpBtn, "aiuto"},
        {ui->UscitaBtn, "uscita"},
    };
    for (const auto& [pulsante, icona] : icone) {
        pulsante->setIcon(QIcon(QStringLiteral(":/icone/%1.svg").arg(QString::fromLatin1(icona))));
        pulsante->setIconSize(QSize(24, 24));
        pulsante->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    ui->CaricaBtn->setShortcut(QKeySequence::Open);
    ui->SalvaBtn->setShortcut(QKeySequence::Save);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);

    connect(ui->ScrollBar, &QScrollBar::valueChanged, this,
            [this](int valore) { modello_->ImpostaPosizione(static_cast<std::size_t>(valore)); });
    connect(modello_, &ModelloEditorColonne::ListaCambiata, this,
            &TFormEditorColonnare::AggiornaScorrimento);
    connect(ui->Tabella, &GrigliaEditorColonne::Digitato, this, &TFormEditorColonnare::Modifica);
    connect(ui->Tabella, &GrigliaEditorColonne::Invio, this, &TFormEditorColonnare::InvioPremuto);
    connect(ui->Tabella, &GrigliaEditorColonne::Oltre, this, &TFormEditorColonnare::Oltre);
    connect(ui->Tabella, &GrigliaEditorColonne::Rotella, this,
            [this](int colonne) { ui->ScrollBar->setValue(ui->ScrollBar->value() + colonne); });
    connect(ui->AzzeraBtn, &QToolButton::clicked, this, &TFormEditorColonnare::AzzeraClick);
    connect(ui->CaricaBtn, &QToolButton::clicked, this, &TFormEditorColonnare::CaricaClick);
    connect(ui->SalvaBtn, &QToolButton::clicked, this, &TFormEditorColonnare::SalvaColonne);
    connect(ui->SalvaConNomeBtn, &QToolButton::clicked, this, &TFormEditorColonnare::SalvaConNome);
    connect(ui->InserisciFileBtn, &QToolButton::clicked, this,
            &TFormEditorColonnare::InserisciFileClick);
    connect(ui->InserisciColonnaBtn, &QToolButton::clicked, this,
            &TFormEditorColonnare::InserisciColonnaClick);
    connect(ui->CancellaColonnaBtn, &QToolButton::clicked, this,
            &TFormEditorColonnare::CancellaColonnaClick);
    connect(ui->SaltaBtn, &QToolButton::clicked, this, &TFormEditorColonnare::SaltaClick);
    connect(ui->PrimaBtn, &QToolButton::clicked, this, [this] { Evidenzia(0, 0); });
    connect(ui->UltimaBtn, &QToolButton::clicked, this, &TFormEditorColonnare::UltimaClick);
    connect(ui->OrdinaBtn, &QToolButton::clicked, this, &TFormEditorColonnare::OrdinaClick);
    connect(ui->StampaBtn, &QToolButton::clicked, this, &TFormEditorColonnare::StampaClick);
    connect(ui->HelpBtn, &QToolButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    connect(ui->UscitaBtn, &QToolButton::clicked, this, &TFormEditorColonnare::reject);

    AggiornaTitolo();
    Evidenzia(0, 0);
}

TFormEditorColonnare::~TFormEditorColonnare() = default;

// ---- the view -------------------------------------------------------------

std::size_t TFormEditorColonnare::IndiceCorrente() const {
    const QModelIndex cella = ui->Tabella->currentIndex();
    return modello_->Indice(cella.isValid() ? cella.column() : 0);
}

int TFormEditorColonnare::RigaCorrente() const {
    const QModelIndex cella = ui->Tabella->currentIndex();
    return cella.isValid() ? cella.row() : 0;
}

void TFormEditorColonnare::AggiornaScorrimento() {
    const auto massimo = ludo::EditorColonne::MassimoScorrimento(
        editor_.Conteggio(), static_cast<std::size_t>(ui->ScrollBar->maximum()));
    ui->ScrollBar->setMaximum(static_cast<int>(massimo));
}

void TFormEditorColonnare::AggiornaVista() {
    AggiornaScorrimento();
    modello_->Aggiorna();
}

void TFormEditorColonnare::AggiornaTitolo() {
    setWindowTitle(QString::fromStdString(editor_.Titolo()));
}

void TFormEditorColonnare::Evidenzia(std::size_t indice, int riga) {
    AggiornaScorrimento();
    const auto prima = ludo::EditorColonne::PrimaVisibile(indice, modello_->Posizione(), Visibili);
    if (prima > static_cast<std::size_t>(ui->ScrollBar->maximum()))
        ui->ScrollBar->setMaximum(static_cast<int>(prima));
    ui->ScrollBar->setValue(static_cast<int>(prima));
    ui->Tabella->setCurrentIndex(
        modello_->index(riga, static_cast<int>(indice - modello_->Posizione())));
    ui->Tabella->setFocus();
}

void TFormEditorColonnare::InvioPremuto() {
    const int riga = RigaCorrente();
    if (riga + 1 < ludo::PosizioniColonna) {
        Evidenzia(IndiceCorrente(), riga + 1);
    } else {
        Evidenzia(IndiceCorrente() + 1, 0);
    }
}

void TFormEditorColonnare::Oltre(int verso) {
    const auto indice = IndiceCorrente();
    if (verso < 0 && indice == 0) return;
    Evidenzia(verso < 0 ? indice - 1 : indice + 1, RigaCorrente());
}

void TFormEditorColonnare::Modifica() { editor_.Modificato = true; }

// ---- checking and saving -----------------------------------------------------

bool TFormEditorColonnare::VerificaDati() {
    modello_->Acquisisci();
    const auto errata = editor_.Verifica();
    if (!errata) return true;
    Evidenzia(errata->indice, errata->posizione);
    QMessageBox::warning(this, windowTitle(), QString::fromUtf8(errata->messaggio));
    return false;
}

bool TFormEditorColonnare::Conferma() {
    modello_->Acquisisci();
    if (!editor_.Modificato) return true;
    const int risposta =
        Informazione(QString::fromUtf8(ludo::MsgColonneNonSalvate),
                     TFrmMessage::Si | TFrmMessage::No | TFrmMessage::Annulla, this);
    if (risposta == TFrmMessage::Annulla) return false;
    return risposta == TFrmMessage::No || SalvaColonne();
}

RichiestaFile TFormEditorColonnare::RichiestaColonne(const QString& titolo) const {
    RichiestaFile r;
    r.titolo = titolo;
    r.cartella =
        Percorso(ludo::io::resolvePath(sistema_.Cartella(), std::string(ludo::io::kColonne)));
    r.filtro = QStringLiteral("Col file (*.Col)");
    r.estensione = QStringLiteral("Col");
    return r;
}

bool TFormEditorColonnare::SalvaColonne() {
    if (!VerificaDati()) return false;
    if (editor_.DeveChiedereNome()) return SalvaConNome();
    return Scrivi(Percorso(editor_.NomeFile));
}

bool TFormEditorColonnare::SalvaConNome() {
    if (!VerificaDati()) return false;
    RichiestaFile r = RichiestaColonne(QStringLiteral("Salva le Colonne"));
    const QFileInfo attuale(Percorso(editor_.NomeFile));
    r.cartella = attuale.absolutePath();
    r.nome = attuale.fileName();
    const QString scelto = ChiediFileDaScrivere(this, r);
    return !scelto.isEmpty() && Scrivi(scelto);
}

bool TFormEditorColonnare::Scrivi(const QString& file) {
    try {
        editor_.SalvaFile(file.toStdString());
    } catch (const std::exception& e) {
        Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, this);
        return false;
    }
    AggiornaTitolo();
    return true;
}

void TFormEditorColonnare::reject() {
    if (Conferma()) QDialog::reject();
}

// ---- the commands ------------------------------------------------------------

void TFormEditorColonnare::AzzeraClick() {
    if (!Conferma()) return;
    editor_.Azzera();
    AggiornaVista();
    AggiornaTitolo();
    Evidenzia(0, 0);
}

void TFormEditorColonnare::Carica(const QString& file) {
    try {
        editor_.CaricaFile(file.toStdString());
    } catch (const std::exception& e) {
        Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, this);
        return;
    }
    AggiornaVista();
    AggiornaTitolo();
    Evidenzia(0, 0);
}

void TFormEditorColonnare::CaricaClick() {
    if (!Conferma()) return;
    const QString scelto = ChiediFile(this, RichiestaColonne(QStringLiteral("Carica le Colonne")));
    if (!scelto.isEmpty()) Carica(scelto);
}

void TFormEditorColonnare::InserisciFileClick() {
    modello_->Acquisisci();
    const QString scelto =
        ChiediFile(this, RichiestaColonne(QStringLiteral("Inserisci il File Colonnare")));
    if (scelto.isEmpty()) return;
    try {
        editor_.InserisciFile(IndiceCorrente(), scelto.toStdString());
    } catch (const std::exception& e) {
        Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, this);
        return;
    }
    editor_.Modificato = true;
    AggiornaVista();
}

void TFormEditorColonnare::InserisciColonnaClick() {
    modello_->Acquisisci();
    editor_.InserisciVuota(IndiceCorrente());
    editor_.Modificato = true;
    AggiornaVista();
    ui->Tabella->setFocus();
}

void TFormEditorColonnare::CancellaColonnaClick() {
    modello_->Acquisisci();
    if (editor_.Cancella(IndiceCorrente())) editor_.Modificato = true;
    AggiornaVista();
    ui->Tabella->setFocus();
}

void TFormEditorColonnare::SaltaClick() {
    modello_->Acquisisci();
    editor_.Compatta();
    AggiornaVista();
    const auto conteggio = static_cast<int>(editor_.Conteggio());
    if (conteggio == 0) return;
    TFormSalta salta(conteggio, std::min(conteggio, static_cast<int>(IndiceCorrente()) + 1), this);
    if (salta.exec() == QDialog::Accepted)
        Evidenzia(static_cast<std::size_t>(salta.Colonna() - 1), 0);
}

void TFormEditorColonnare::UltimaClick() {
    modello_->Acquisisci();
    editor_.Compatta();
    AggiornaVista();
    Evidenzia(editor_.Conteggio() == 0 ? 0 : editor_.Conteggio() - 1, 0);
}

void TFormEditorColonnare::OrdinaClick() {
    if (!VerificaDati()) return;
    if (editor_.Ordina()) editor_.Modificato = true;
    AggiornaVista();
    Evidenzia(0, 0);
}

void TFormEditorColonnare::StampaClick() {
    if (!VerificaDati()) return;
    TFormStampaSchedine stampa(sistema_, this);
    stampa.Lavoro().Colonne = editor_.ColonneDaSalvare();
    stampa.Lavoro().SoloCosto = true;
    stampa.ImpostaTutto();
    stampa.exec();
}
