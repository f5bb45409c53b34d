#include "ui/archive/TFrmArchivio.h"

#include <QPushButton>

#include "core/io/ProgramFolder.h"
#include "ui/archive/TFrmConcorso.h"
#include "ui/controls/Guida.h"
#include "ui/controls/OperazioneLunga.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui_TFrmArchivio.h"

TFrmArchivio::TFrmArchivio(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmArchivio>()),
      archivio_(sistema.Dati->Archivio),
      intervallo_(sistema.Dati->Config.Ricerca.Intervallo),
      cartella_(ludo::io::resolvePath(sistema.Cartella(), std::string(ludo::io::kArchivi))) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    if (archivio_.Vuoto()) archivio_.InserisciOrdinato(ludo::NuovoConcorso());
    indice_ = archivio_.Conteggio() - 1;
    connect(ui->BPrimo, &QPushButton::clicked, this, [this] { Vai(0); });
    connect(ui->BPrecedente, &QPushButton::clicked, this,
            [this] { Vai(indice_ > 0 ? indice_ - 1 : 0); });
    connect(ui->BSuccessivo, &QPushButton::clicked, this, [this] { Vai(indice_ + 1); });
    connect(ui->BUltimo, &QPushButton::clicked, this, [this] { Vai(archivio_.Conteggio()); });
    connect(ui->BAggiungi, &QPushButton::clicked, this, &TFrmArchivio::AggiungiClick);
    connect(ui->BModifica, &QPushButton::clicked, this, &TFrmArchivio::ModificaClick);
    connect(ui->BElimina, &QPushButton::clicked, this, &TFrmArchivio::EliminaClick);
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmArchivio::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmArchivio::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    AggiornaForm();
}

TFrmArchivio::~TFrmArchivio() = default;

void TFrmArchivio::AggiornaForm() {
    const bool vuoto = archivio_.Vuoto();
    const ludo::T_Concorso c = vuoto ? ludo::T_Concorso{} : archivio_[indice_];
    ui->LabelTipo->setText(vuoto ? QString()
                                 : QString::fromUtf8(ludo::NomeTipoConcorso(c.TipoConcorso)));
    ui->LabelAnno1->setText(vuoto ? QString() : QString::number(c.Anno));
    ui->LabelAnno2->setText(vuoto ? QString() : QString::number(c.Anno + 1));
    ui->LabelNumero->setText(vuoto ? QString() : QString::number(c.NumConcorso));
    ui->LabelColonna->setText(vuoto ? QString()
                                    : QString::fromStdString(ludo::TestoColonna(c.Vincente)));
    ui->LabelPosizione->setText(
        vuoto ? QStringLiteral("Nessun concorso")
              : QStringLiteral("Concorso %1 di %2").arg(indice_ + 1).arg(archivio_.Conteggio()));
    ui->BPrimo->setEnabled(!vuoto && indice_ > 0);
    ui->BPrecedente->setEnabled(!vuoto && indice_ > 0);
    ui->BSuccessivo->setEnabled(!vuoto && indice_ + 1 < archivio_.Conteggio());
    ui->BUltimo->setEnabled(!vuoto && indice_ + 1 < archivio_.Conteggio());
    ui->BModifica->setEnabled(!vuoto);
    ui->BElimina->setEnabled(!vuoto);
    ui->LabelModificato->setVisible(modificato_);
}

void TFrmArchivio::Vai(std::size_t indice) {
    indice_ = archivio_.Vuoto() ? 0 : std::min(indice, archivio_.Conteggio() - 1);
    AggiornaForm();
}

void TFrmArchivio::Modifica(std::size_t indice) {
    modificato_ = true;
    Vai(indice);
}

void TFrmArchivio::AggiungiClick() {
    TFrmConcorso dialogo(archivio_, ludo::ConcorsoDaAggiungere(archivio_), true, this);
    if (dialogo.exec() != QDialog::Accepted) return;
    Modifica(ludo::AggiungiConcorso(archivio_, dialogo.Concorso()));
}

void TFrmArchivio::ModificaClick() {
    TFrmConcorso dialogo(archivio_, archivio_[indice_], false, this);
    if (dialogo.exec() != QDialog::Accepted) return;
    Modifica(ludo::ModificaConcorso(archivio_, indice_, dialogo.Concorso()));
}

void TFrmArchivio::EliminaClick() {
    if (archivio_.Vuoto()) return;
    if (Conferma(QString::fromUtf8(MsgEliminaConcorso), TFrmMessage::Si | TFrmMessage::No, this) !=
        TFrmMessage::Si) {
        return;
    }
    Modifica(ludo::EliminaConcorso(archivio_, indice_));
}

void TFrmArchivio::OKBtnClick() {
    if (modificato_) {
        const ludo::IntervalloRicerca scelto = intervallo_;
        ludo::IntervalloTuttoArchivio(intervallo_, archivio_);
        EseguiOperazioneLunga(
            {QStringLiteral("Aggiornamento DataBase"),
             QStringLiteral("Aggiornamento delle statistiche dell'archivio"), false, this},
            [this](ludo::Avanzamento& avanzamento) { archivio_.RicalcolaAnalisi(avanzamento); });
        if (!archivio_.Salva(cartella_)) {
            // The edits stay here: the user may try again or give them up.
            intervallo_ = scelto;
            Informazione(QString::fromUtf8(ludo::MsgImpossibileSalvareModifiche), TFrmMessage::OK,
                         this);
            return;
        }
        Ricarica();
    }
    accept();
}

void TFrmArchivio::reject() {
    if (modificato_) Ricarica();
    QDialog::reject();
}

void TFrmArchivio::Ricarica() {
    archivio_.Carica(cartella_, intervallo_);
    modificato_ = false;
    if (!archivio_.ConcorsiValidi) {
        Informazione(QString::fromUtf8(ludo::MsgImpossibileAnnullareModifiche), TFrmMessage::OK,
                     this);
    }
}
