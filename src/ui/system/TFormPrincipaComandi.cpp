// The commands of the main window: system and coupon files, development,
// saving the columns, settings and help.
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QToolBar>
#include <fstream>

#include "core/columns/FileColonne.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "core/system/Schedina.h"
#include "core/system/SelezioneSquadre.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/Guida.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/engine/TFormRicalcoloAutomatico.h"
#include "ui/engine/TFrmImpSv.h"
#include "ui/engine/TFrmSviluppo.h"
#include "ui/printing/SuperficieStampa.h"
#include "ui/printing/TFormStampaSchedine.h"
#include "ui/printing/TFrmTaratura.h"
#include "ui/system/TFormListaSQ.h"
#include "ui/system/TFormPrincipa.h"
#include "ui/system/TFormSelPartite.h"
#include "ui/system/TFrmCommento.h"
#include "ui/system/TFrmImpostazioni.h"
#include "ui/system/TFrmPartecipanti.h"
#include "ui_TFormPrincipa.h"

namespace {

QString Percorso(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

}  // namespace

QString TFormPrincipa::Cartella(std::string_view sottocartella) const {
    return Percorso(ludo::io::resolvePath(sistema_.Cartella(), std::string(sottocartella)));
}


// ---- system files ------------------------------------------------------

RichiestaFile TFormPrincipa::RichiestaSistema(const QString& titolo, bool salva) const {
    const QFileInfo attuale(Percorso(sistema_.NomeFile));
    RichiestaFile r;
    r.titolo = titolo;
    r.cartella = attuale.absolutePath();
    r.nome = attuale.fileName();
    r.filtro = QStringLiteral("Sistema (*.LDS)");
    r.estensione = QStringLiteral("LDS");
    r.salva = salva;
    return r;
}

bool TFormPrincipa::Conferma(bool conAnnulla) {
    if (!sistema_.Modificato) return true;
    const int pulsanti = TFrmMessage::Si | TFrmMessage::No | (conAnnulla ? TFrmMessage::Annulla : 0);
    const int risposta = Informazione(QString::fromUtf8(MsgSistemaNonSalvato), pulsanti, this);
    if (risposta == TFrmMessage::Annulla) return false;
    // A save given up in its dialog, or one that failed, brings the user back
    // to the system instead of dropping the changes.
    if (risposta == TFrmMessage::Si) return Salva();
    return true;
}

void TFormPrincipa::NuovoClick() {
    if (!Conferma(false)) return;
    ricalcolo_->Ferma();
    ricalcolo_->hide();
    sistema_.Nuovo();
    ImpostaTutto();
}

void TFormPrincipa::CaricaClick() {
    if (!Conferma(false)) return;
    const QString scelto = ChiediFile(this, RichiestaSistema(QStringLiteral("Carica il Sistema"), false));
    if (scelto.isEmpty()) return;
    ricalcolo_->Ferma();
    try {
        sistema_.Carica(scelto.toStdString());
        sistema_.NomeFile = scelto.toStdString();
        sistema_.SenzaNome = false;
        sistema_.Modificato = false;
    } catch (const std::exception& e) {
        MostraErrore(e);
    }
    ImpostaTutto();
    RicalcoloSeRichiesto();
}

bool TFormPrincipa::ScriviSistema(const QString& file) {
    try {
        sistema_.Salva(file.toStdString());
    } catch (const std::exception& e) {
        MostraErrore(e);
        return false;
    }
    AggiornaStatusLine();
    return true;
}

bool TFormPrincipa::Salva() {
    if (!sistema_.DeveChiedereNome()) return ScriviSistema(Percorso(sistema_.NomeFile));
    const QString scelto = ChiediFileDaScrivere(this, RichiestaSistema(QStringLiteral("Salva il Sistema"), true));
    if (scelto.isEmpty() || !ScriviSistema(scelto)) return false;
    sistema_.SenzaNome = false;
    return true;
}

void TFormPrincipa::SalvaClick() { Salva(); }

void TFormPrincipa::SalvaComeClick() {
    const QString scelto = ChiediFile(this, RichiestaSistema(QStringLiteral("Salva il Sistema"), true));
    if (scelto.isEmpty() || !ScriviSistema(scelto)) return;
    sistema_.SenzaNome = false;
}

void TFormPrincipa::CancellaClick() {
    RichiestaFile richiesta = RichiestaSistema(QStringLiteral("Cancella il Sistema"), false);
    richiesta.cartella = Cartella(ludo::io::kSistemi);
    richiesta.nome.clear();
    const QString scelto = ChiediFile(this, richiesta);
    if (scelto.isEmpty()) return;
    try {
        if (!std::ifstream(scelto.toStdString(), std::ios::binary)) throw ludo::Errore(ludo::MsgCancellareSistema);
        const QString domanda = QStringLiteral("Vuoi Cancellare ") + scelto + QStringLiteral("?");
        if (::Conferma(domanda, TFrmMessage::Si | TFrmMessage::No | TFrmMessage::Annulla, this) != TFrmMessage::Si) return;
        ludo::T_Sistema::Cancella(scelto.toStdString());
    } catch (const std::exception& e) {
        MostraErrore(e);
    }
}

void TFormPrincipa::UscitaClick() { close(); }

// ---- coupon files --------------------------------------------------------

RichiestaFile TFormPrincipa::RichiestaSchedina(const QString& titolo, bool salva) const {
    RichiestaFile r;
    r.titolo = titolo;
    r.cartella = Cartella(ludo::io::kSchedine);
    r.filtro = QStringLiteral("File di Schedina (*.Gsc)");
    r.estensione = QStringLiteral("Gsc");
    r.salva = salva;
    return r;
}

void TFormPrincipa::CaricaSchedinaClick() {
    const QString scelto = ChiediFile(this, RichiestaSchedina(QStringLiteral("Carica la Schedina"), false));
    if (scelto.isEmpty()) return;
    // A damaged file leaves the coupon as it was.
    ludo::Schedina letta;
    try {
        ludo::CaricaSchedina(letta, scelto.toStdString());
    } catch (const std::exception& e) {
        MostraErrore(e);
        return;
    }
    sistema_.Dati->Coupon = letta;
    sistema_.Modificato = true;
    ImpostaTutto();
}

void TFormPrincipa::SalvaSchedinaClick() {
    const QString scelto = ChiediFile(this, RichiestaSchedina(QStringLiteral("Salva la Schedina"), true));
    if (scelto.isEmpty()) return;
    try {
        ludo::SalvaSchedina(sistema_.Dati->Coupon, scelto.toStdString());
    } catch (const std::exception& e) {
        MostraErrore(e);
    }
}

// ---- development ---------------------------------------------------------

void TFormPrincipa::ImpostazioniSviluppoClick() {
    TFrmImpSv finestra(sistema_, this);
    if (finestra.exec() != QDialog::Accepted) return;
    AggiornaStatusLine();
    AggiornaAbilitazioni();
    if (sistema_.Dati->Destinazione.RicalcoloAutomatico) {
        PausaAnimazione(true);
        ricalcolo_->Richiedi(sistema_);
    } else {
        ricalcolo_->Ferma();
        ricalcolo_->hide();
        PausaAnimazione(false);
    }
}

void TFormPrincipa::CalcoloColonneClick() {
    if (sviluppo_->InCorso()) return;
    ricalcolo_->Ferma();
    PausaAnimazione(true);
    // The system must stay as it is while the engine works on it.
    Blocca(true);
    sviluppo_->Avvia(sistema_);
}

void TFormPrincipa::SviluppoTerminato() {
    Blocca(false);
    PausaAnimazione(false);
    AggiornaStatusLine();
    AggiornaAbilitazioni();
}

void TFormPrincipa::Blocca(bool bloccata) {
    centralWidget()->setEnabled(!bloccata);
    ui->MainMenu->setEnabled(!bloccata);
    ui->ToolBar->setEnabled(!bloccata);
}

void TFormPrincipa::SalvaSuDiscoClick() {
    RichiestaFile r;
    r.titolo = QStringLiteral("Salva le Colonne");
    r.cartella = Cartella(ludo::io::kColonne);
    r.nome = ultimoFileColonne_.isEmpty() ? QString() : QFileInfo(ultimoFileColonne_).completeBaseName() + ".Col";
    r.filtro = QStringLiteral("Col file (*.Col)");
    r.estensione = QStringLiteral("Col");
    const QString scelto = ChiediFileDaScrivere(this, r);
    if (scelto.isEmpty()) return;
    bool scritto = false;
    try {
        scritto = ludo::ScriviFile(sistema_.Dati->Colonne, scelto.toStdString());
    } catch (const std::exception&) {
        scritto = false;
    }
    if (!scritto) {
        Informazione(QString::fromUtf8(MsgScritturaColonne), TFrmMessage::OK, this);
        return;
    }
    ultimoFileColonne_ = scelto;
}

// ---- comment, participants, team lists, settings ----------------------------

void TFormPrincipa::CommentoClick() {
    TFrmCommento finestra(sistema_, this);
    finestra.exec();
}

void TFormPrincipa::PartecipantiClick() {
    TFrmPartecipanti finestra(sistema_, this);
    // The share of each participant is on the status line.
    if (finestra.exec() == QDialog::Accepted) AggiornaStatusLine();
}

void TFormPrincipa::ListaSquadreClick() {
    TFormListaSQ finestra(sistema_.Cartella(), this);
    finestra.exec();
}

void TFormPrincipa::SquadreClick() {
    if (selPartite_) {
        selPartite_->raise();
        selPartite_->activateWindow();
        return;
    }
    // The lists are read as the team-list window reads them, with the same
    // messages for a list that cannot be read.
    const TFormListaSQ liste(sistema_.Cartella(), this);
    selPartite_ = new TFormSelPartite(sistema_, liste.Liste(), this);
    selPartite_->setAttribute(Qt::WA_DeleteOnClose);
    connect(selPartite_, &TFormSelPartite::CursoreCambiato, this, &TFormPrincipa::CursoreSelezione);
    connect(selPartite_, &TFormSelPartite::SquadraScritta, this, [this](int cursore) {
        MostraCella(cursore);
        sistema_.Modificato = true;
        AggiornaStatusLine();
        AggiornaAbilitazioni();
    });
    connect(selPartite_, &TFormSelPartite::Chiusa, this, &TFormPrincipa::SelezioneChiusa);
    // While names are picked from the lists the coupon cells are not typed into.
    for (QTableWidget* griglia : {ui->GridSquadre1, ui->GridSquadre2}) {
        griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    selPartite_->show();
}

void TFormPrincipa::SelezioneChiusa() {
    for (QTableWidget* griglia : {ui->GridSquadre1, ui->GridSquadre2}) {
        griglia->setEditTriggers(QAbstractItemView::AllEditTriggers);
    }
}

void TFormPrincipa::VarieClick() {
    TFrmImpostazioni finestra(sistema_.Dati->Config, sistema_.Cartella(), this);
    if (finestra.exec() != QDialog::Accepted) return;
    CaricaSfondo();
    AggiornaStatusLine();
}

// ---- settings and help -----------------------------------------------------

void TFormPrincipa::ImpostaStampanteClick() {
    // The printer (or the PDF file) chosen here receives every later print job.
    QPrintDialog dialogo(&StampanteProgramma(), this);
    dialogo.setWindowTitle(QStringLiteral("Imposta Stampante"));
    dialogo.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // Nothing is printed here: the button confirms the choice.
    if (auto* pulsanti = dialogo.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = pulsanti->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    }
    dialogo.exec();
}

// ---- printing ----------------------------------------------------------------

void TFormPrincipa::TaraturaClick() {
    TFrmTaratura finestra(sistema_, this);
    finestra.exec();
}

void TFormPrincipa::StampaMemoriaClick() { ApriStampa(sistema_.Dati->Colonne); }

void TFormPrincipa::StampaFileClick() {
    if (auto colonne = ColonneDaFile(ludo::MsgErroreLetturaColonne)) ApriStampa(std::move(*colonne));
}

void TFormPrincipa::ApriStampa(ludo::ListaColonne colonne) {
    TFormStampaSchedine finestra(sistema_, this);
    finestra.Lavoro().Colonne = std::move(colonne);
    finestra.ImpostaTutto();
    finestra.exec();
}

void TFormPrincipa::SommarioClick() { ApriGuida(this); }

void TFormPrincipa::AboutClick() {
    QMessageBox::about(this, QStringLiteral("Informazioni su Ludomatic"),
                       QStringLiteral("Ludomatic %1 per Linux\n\nSistemi per il concorso Totogol: sviluppo, "
                                      "condizionamento, riduzione, stampa e controllo delle colonne.\n\n"
                                      "L'archivio dei concorsi fornito è ricostruito dai risultati reali "
                                      "delle partite e non è quello ufficiale.")
                           .arg(QString::fromStdString(ludo::TestoVersione())));
}
