#include "ui/system/TFormPrincipa.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/io/ProgramFolder.h"
#include "core/system/Schedina.h"
#include "core/system/SelezioneSquadre.h"
#include "core/system/StatoPrincipale.h"
#include "ui/controls/FormatoLocale.h"
#include "ui/controls/Guida.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/controls/TGrigliaSchedina.h"
#include "ui/engine/TFormRicalcoloAutomatico.h"
#include "ui/engine/TFrmSviluppo.h"
#include "ui/statistics/AperturaAnalisi.h"
#include "ui/system/TFormSelPartite.h"
#include "ui_TFormPrincipa.h"

using ludo::Colonna;

namespace {

constexpr int AltezzaRiga = 20;
constexpr int MetaPartite = 16;
// How long a refusal stays on the status line.
constexpr int DurataAvviso = 15000;

QString Testo(const std::string& s) { return QString::fromStdString(s); }

// What a grid of the coupon shares: rows of a fixed height and no scroll
// bars (the grid is as large as its rows).
void ImpostaGriglia(TGrigliaSchedina* griglia) {
    griglia->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    griglia->verticalHeader()->setDefaultSectionSize(AltezzaRiga);
}

// A "Picch." cell takes digits and the decimal separator, which the comma
// enters as well.
std::optional<QString> DigitatoPicchetto(const QString& testo) {
    const std::string digitato = ludo::TestoDigitatoPicchetto(testo.toStdString());
    if (!std::all_of(digitato.begin(), digitato.end(), ludo::CarattereAmmessoPicchetto))
        return std::nullopt;
    return QString::fromStdString(digitato);
}

}  // namespace

TFormPrincipa::TFormPrincipa(ludo::T_Sistema& sistema, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TFormPrincipa>()), sistema_(sistema) {
    ui->setupUi(this);
    PreparaGriglie();
    CreaMenu();
    CreaToolBar();
    CreaStatusBar();
    PreparaStatistiche();
    ricalcolo_ = new TFormRicalcoloAutomatico(this);
    ricalcolo_->setWindowFlags(Qt::Tool);
    connect(ricalcolo_, &TFormRicalcoloAutomatico::Applicato, this, [this] {
        PausaAnimazione(false);
        AggiornaStatusLine();
        AggiornaAbilitazioni();
    });
    sviluppo_ = new TFrmSviluppo(this);
    connect(sviluppo_, &TFrmSviluppo::Terminato, this, &TFormPrincipa::SviluppoTerminato);
    connect(sviluppo_, &TFrmSviluppo::Chiusa, this, &TFormPrincipa::AggiornaAbilitazioni);

    auto* cifre =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    ui->EditConcorso->setValidator(cifre);
    connect(ui->EditConcorso, &QLineEdit::textEdited, this, &TFormPrincipa::ConcorsoCambiato);
    for (TPronosticoF* p : {ui->Pronostico1, ui->Pronostico2}) {
        p->setVerticale(true);
        p->setUsaFisse(true);
        p->setFixedSize(p->sizeHint().width(), MetaPartite * AltezzaRiga + 1);
        connect(p, &TPronostico::Cambiato, this, &TFormPrincipa::PronosticoCambiato);
    }
    ui->Pronostico2->setTipo(TPronostico::tp17_32);
    connect(ui->Azzera, &QPushButton::clicked, this, &TFormPrincipa::AzzeraClick);
    connect(ui->Tutte, &QPushButton::clicked, this, &TFormPrincipa::TutteClick);
    connect(ui->Squadre, &QPushButton::clicked, this, &TFormPrincipa::SquadreClick);
    TFormSaver::ImpostaProgramma(&finestre_);
    ImpostaCartellaGuida(sistema_.Cartella());
    setWindowIcon(QIcon(QStringLiteral(":/ludomatic.svg")));
    OrdinaTab();
    move(0, 0);
    CaricaSfondo();
    CaricaArchivio();
    ImpostaTutto();
}

TFormPrincipa::~TFormPrincipa() {
    // The store goes before the windows this one owns.
    if (TFormSaver::Programma() == &finestre_) TFormSaver::ImpostaProgramma(nullptr);
}

void TFormPrincipa::PreparaGriglie() {
    PreparaGrigliaSquadre(ui->GridSquadre1, 1);
    PreparaGrigliaSquadre(ui->GridSquadre2, MetaPartite + 1);
    PreparaGrigliaPicchetti(ui->GridPicch1, 1);
    PreparaGrigliaPicchetti(ui->GridPicch2, MetaPartite + 1);
    // The forecast cells stand level with the rows of the grids.
    const int testa =
        ui->GridSquadre1->horizontalHeader()->sizeHint().height() + ui->GridSquadre1->frameWidth();
    for (TPronosticoF* p : {ui->Pronostico1, ui->Pronostico2}) {
        const int posto = ui->LayoutMeta->indexOf(p);
        ui->LayoutMeta->removeWidget(p);
        auto* colonna = new QVBoxLayout;
        colonna->addSpacing(testa);
        colonna->addWidget(p);
        colonna->addStretch();
        ui->LayoutMeta->insertLayout(posto, colonna);
    }
}

void TFormPrincipa::OrdinaTab() {
    // Tab walks the coupon as it is read: the top row, then each half.
    const QList<QWidget*> ordine = {ui->EditConcorso, ui->Azzera,     ui->Tutte,
                                    ui->Squadre,      ui->Analisi,    ui->Archivio,
                                    ui->GridSquadre1, ui->GridPicch1, ui->Pronostico1,
                                    ui->GridSquadre2, ui->GridPicch2, ui->Pronostico2};
    for (int i = 1; i < ordine.size(); ++i) setTabOrder(ordine[i - 1], ordine[i]);
}

void TFormPrincipa::PreparaGrigliaSquadre(TGrigliaSchedina* griglia, int primaPartita) {
    griglia->setRowCount(MetaPartite);
    griglia->setColumnCount(2);
    griglia->setHorizontalHeaderLabels({QStringLiteral("Casa"), QStringLiteral("Ospite")});
    QStringList numeri;
    for (int r = 0; r < MetaPartite; ++r) numeri << QString::number(primaPartita + r);
    griglia->setVerticalHeaderLabels(numeri);
    ImpostaGriglia(griglia);
    griglia->ImpostaEditor(static_cast<int>(ludo::MaxCaratteriSquadra));
    griglia->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    griglia->horizontalHeader()->setDefaultSectionSize(150);
    for (int r = 0; r < MetaPartite; ++r) {
        for (int c = 0; c < 2; ++c) griglia->setItem(r, c, new QTableWidgetItem);
    }
    griglia->setFixedSize(
        griglia->verticalHeader()->sizeHint().width() + 2 * 150 + 2 * griglia->frameWidth(),
        griglia->horizontalHeader()->sizeHint().height() + MetaPartite * AltezzaRiga +
            2 * griglia->frameWidth());
    connect(
        griglia, &QTableWidget::itemChanged, this,
        [this, primaPartita](QTableWidgetItem* cella) { SquadraCambiata(cella, primaPartita); });
}

void TFormPrincipa::PreparaGrigliaPicchetti(TGrigliaSchedina* griglia, int primaPartita) {
    griglia->setRowCount(MetaPartite);
    griglia->setColumnCount(1);
    griglia->setHorizontalHeaderLabels({QStringLiteral("Picch.")});
    griglia->verticalHeader()->hide();
    ImpostaGriglia(griglia);
    griglia->ImpostaEditor(ludo::MaxCaratteriPicchetto, DigitatoPicchetto);
    griglia->setFont(ui->GridSquadre1->font());
    griglia->horizontalHeader()->setDefaultSectionSize(52);
    for (int r = 0; r < MetaPartite; ++r) {
        auto* cella = new QTableWidgetItem;
        cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        griglia->setItem(r, 0, cella);
    }
    griglia->setFixedSize(52 + 2 * griglia->frameWidth(),
                          griglia->horizontalHeader()->sizeHint().height() +
                              MetaPartite * AltezzaRiga + 2 * griglia->frameWidth());
    connect(
        griglia, &QTableWidget::itemChanged, this,
        [this, primaPartita](QTableWidgetItem* cella) { PicchettoCambiato(cella, primaPartita); });
}

void TFormPrincipa::CreaStatusBar() {
    auto pannello = [this](const char* nome) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(nome));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return l;
    };
    partiteSelezionate_ = pannello("PartiteSelezionate");
    panelFisse_ = pannello("PanelFisse");
    pColonneI_ = pannello("PColonneI");
    pColonneF_ = pannello("PColonneF");
    ui->StatusBar->addWidget(partiteSelezionate_);
    ui->StatusBar->addWidget(panelFisse_);
    ui->StatusBar->addPermanentWidget(pColonneI_);
    ui->StatusBar->addPermanentWidget(pColonneF_);
    ui->StatusBar->setContentsMargins(0, 0, 6, 0);
    ui->StatusBar->layout()->setSpacing(10);
}

void TFormPrincipa::CaricaSfondo() {
    ui->Sfondo->CaricaImmagine(Testo(sistema_.Dati->Config.FileSfondo));
}

void TFormPrincipa::CaricaArchivio() {
    auto& dati = *sistema_.Dati;
    const auto cartella =
        ludo::io::resolvePath(sistema_.Cartella(), std::string(ludo::io::kArchivi));
    if (!dati.Archivio.Carica(cartella, dati.Config.Ricerca.Intervallo) &&
        !dati.Archivio.ConcorsiValidi) {
        Informazione(QString::fromUtf8(ludo::MsgImpossibileCaricareArchivio), TFrmMessage::OK,
                     this);
    }
}

void TFormPrincipa::Avvio(const std::optional<QString>& fileSistema) {
    if (fileSistema) {
        try {
            sistema_.Carica(fileSistema->toStdString());
            sistema_.NomeFile = fileSistema->toStdString();
            sistema_.SenzaNome = false;
            sistema_.Modificato = false;
        } catch (const std::exception& e) {
            MostraErrore(e);
        }
    } else if (sistema_.Dati->Config.RicaricaSchedina) {
        try {
            ludo::CaricaSchedina(
                sistema_.Dati->Coupon,
                ludo::io::resolvePath(sistema_.Cartella(), ludo::NomeUltimaSchedina));
        } catch (const std::exception&) {
            // The first run has no last coupon: the coupon stays empty.
        }
    }
    ImpostaTutto();
    ui->GridSquadre1->setCurrentCell(0, 0);
    ui->GridSquadre1->setFocus();
    ui->Animazione->Avvia();
}

void TFormPrincipa::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The layout keeps the coupon centred between the tool bar and the status bar.
}

void TFormPrincipa::PausaAnimazione(bool pausa) {
    if (pausa) {
        ui->Animazione->Ferma();
    } else if (!sviluppo_->InCorso() && !ricalcolo_->InCorso()) {
        ui->Animazione->Avvia();
    }
}

// ---- showing the system ------------------------------------------------

void TFormPrincipa::ImpostaTutto() {
    MostraSchedina();
    MostraPronostico();
    AggiornaStatusLine();
    AggiornaAbilitazioni();
    if (selPartite_) selPartite_->AggiornaForm();
}

void TFormPrincipa::MostraSchedina() {
    mostrando_ = true;
    for (int c = 0; c < ludo::CelleSchedina; ++c) MostraCella(c);
    for (int r = 0; r < MetaPartite; ++r) {
        ui->GridPicch1->item(r, 0)->setText(
            Testo(ludo::TestoPicchetto(sistema_.Dati->Picchetti[r])));
        ui->GridPicch2->item(r, 0)->setText(Testo(ludo::TestoPicchetto(
            sistema_.Dati->Picchetti[static_cast<std::size_t>(r + MetaPartite)])));
    }
    ui->EditConcorso->setText(QString::number(sistema_.Dati->Coupon.Concorso));
    mostrando_ = false;
}

QTableWidgetItem* TFormPrincipa::CellaSquadra(int cursore) const {
    const auto cella = ludo::CellaDelCursore(cursore);
    QTableWidget* griglia = cella.Partita <= MetaPartite ? ui->GridSquadre1 : ui->GridSquadre2;
    return griglia->item((cella.Partita - 1) % MetaPartite, cella.Ospite ? 1 : 0);
}

void TFormPrincipa::MostraCella(int cursore) {
    const bool prima = mostrando_;
    mostrando_ = true;
    CellaSquadra(cursore)->setText(Testo(ludo::SquadraDellaCella(sistema_.Dati->Coupon, cursore)));
    mostrando_ = prima;
}

void TFormPrincipa::CursoreSelezione(int cursore) {
    QTableWidgetItem* cella = CellaSquadra(cursore);
    QTableWidget* griglia = cella->tableWidget();
    (griglia == ui->GridSquadre1 ? ui->GridSquadre2 : ui->GridSquadre1)->clearSelection();
    griglia->setCurrentItem(cella);
}

void TFormPrincipa::MostraPronostico() {
    const Colonna pronostico = sistema_.Dati->Pronostico;
    const Colonna fisse = sistema_.Dati->Fisse;
    ui->Pronostico1->setPronostico(static_cast<quint16>(pronostico & 0xFFFFu));
    ui->Pronostico2->setPronostico(static_cast<quint16>(pronostico >> 16));
    ui->Pronostico1->setFisse(static_cast<quint16>(fisse & 0xFFFFu));
    ui->Pronostico2->setFisse(static_cast<quint16>(fisse >> 16));
}

void TFormPrincipa::AggiornaStatusLine() {
    const auto formato = FormatoNumeriLocale();
    pColonneF_->setText(Testo(ludo::TestoColonneFinali(sistema_, formato)));
    pColonneI_->setText(Testo(ludo::TestoColonneIniziali(sistema_, formato)));
    partiteSelezionate_->setText(Testo(ludo::TestoPartiteSelezionate(sistema_)));
    panelFisse_->setText(Testo(ludo::TestoFisse(sistema_)));
    setWindowTitle(Testo(ludo::TitoloPrincipale(sistema_.NomeFile.string())));
}

// ---- coupon editing ----------------------------------------------------

void TFormPrincipa::SquadraCambiata(QTableWidgetItem* cella, int primaPartita) {
    if (mostrando_) return;
    const int partita = primaPartita + cella->row();
    std::string& squadra = ludo::SquadraDellaCella(
        sistema_.Dati->Coupon, ludo::CursoreDellaCella(partita, cella->column() == 1));
    squadra = ludo::TroncaNomeSquadra(cella->text().toStdString());
    sistema_.Modificato = true;
    if (Testo(squadra) != cella->text())
        MostraCella(ludo::CursoreDellaCella(partita, cella->column() == 1));
    if (selPartite_) selPartite_->AggiornaForm();
}

void TFormPrincipa::PicchettoCambiato(QTableWidgetItem* cella, int primaPartita) {
    if (mostrando_) return;
    const int partita = primaPartita + cella->row();
    auto& valore = sistema_.Dati->Picchetti[static_cast<std::size_t>(partita - 1)];
    const std::string testo = ludo::TestoDigitatoPicchetto(cella->text().trimmed().toStdString());
    if (const auto letto = ludo::LeggiPicchetto(testo)) {
        valore = *letto;
        ui->StatusBar->clearMessage();
    } else {
        ui->StatusBar->showMessage(Testo(ludo::MotivoPicchettoRifiutato(partita, testo)),
                                   DurataAvviso);
    }
    mostrando_ = true;
    cella->setText(Testo(ludo::TestoPicchetto(valore)));
    mostrando_ = false;
    sistema_.Modificato = true;
    AggiornaAbilitazioni();
}

void TFormPrincipa::ConcorsoCambiato(const QString& testo) {
    sistema_.Dati->Coupon.Concorso = testo.toInt();
    sistema_.Modificato = true;
}

void TFormPrincipa::PronosticoCambiato() {
    auto& dati = *sistema_.Dati;
    dati.Pronostico = ui->Pronostico1->Colonna() | ui->Pronostico2->Colonna();
    dati.Fisse = ui->Pronostico1->ColonnaFisse() | ui->Pronostico2->ColonnaFisse();
    sistema_.Modificato = true;
    sistema_.ColonneNonValide();
    RicalcoloSeRichiesto();
    AggiornaStatusLine();
    AggiornaAbilitazioni();
}

void TFormPrincipa::RicalcoloSeRichiesto() {
    if (!sistema_.Dati->Destinazione.RicalcoloAutomatico ||
        !ludo::PiuDiOtto(sistema_.Dati->Pronostico))
        return;
    PausaAnimazione(true);
    ricalcolo_->Richiedi(sistema_);
}

void TFormPrincipa::AzzeraClick() {
    auto& dati = *sistema_.Dati;
    dati.Coupon = ludo::Schedina{};
    dati.Pronostico = 0;
    dati.Fisse = 0;
    dati.Picchetti.fill(0);
    sistema_.ColonneNonValide();
    sistema_.Modificato = true;
    ImpostaTutto();
}

void TFormPrincipa::TutteClick() {
    sistema_.Dati->Pronostico = 0xFFFFFFFFu;
    sistema_.Dati->Fisse = 0;
    sistema_.ColonneNonValide();
    sistema_.Modificato = true;
    ImpostaTutto();
    RicalcoloSeRichiesto();
    AggiornaStatusLine();
}

// ---- enablement --------------------------------------------------------

void TFormPrincipa::AggiornaAbilitazioni() {
    const auto a = ludo::CalcolaAbilitazioni(sistema_);
    const bool libero = !sviluppo_->InCorso();
    menuCondizioni_->menuAction()->setEnabled(a.Sviluppo && libero);
    Comando(QStringLiteral("Picchetti"))->setEnabled(a.Picchetti);
    Comando(QStringLiteral("CalcoloColonne"))->setEnabled(a.Sviluppo && libero);
    Comando(QStringLiteral("SalvaSuDisco"))->setEnabled(a.Colonne && libero);
    Comando(QStringLiteral("StampaMemoria"))->setEnabled(a.Colonne && libero);
    Comando(QStringLiteral("DettaturaMemoria"))->setEnabled(a.Colonne && libero);
    for (const char* nome : {"VisualizzaMemoria", "SpoglioMemoria", "SpoglioStoricoMemoria"})
        Comando(QString::fromLatin1(nome))->setEnabled(a.Colonne && libero);
    ui->Analisi->setEnabled(a.Colonne && libero);
}

void TFormPrincipa::CondizioniAperto() {
    AggiornaAbilitazioni();
    auto& condizioni = sistema_.Dati->Condizioni;
    for (QAction* voce : menuCondizioni_->actions()) {
        const int slot = voce->data().toInt();
        if (slot <= 0) continue;
        auto& c = condizioni.Condizione(slot);
        c.AggiornaStato();
        voce->setChecked(c.Effettivo);
    }
}

void TFormPrincipa::MostraErrore(const std::exception& e) {
    Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, this);
}

void TFormPrincipa::closeEvent(QCloseEvent* event) {
    if (!Conferma(true)) {
        event->ignore();
        return;
    }
    ricalcolo_->Ferma();
    if (sviluppo_->InCorso()) sviluppo_->AnnullaClick();
    if (sistema_.Dati->Config.RicaricaSchedina) {
        try {
            ludo::SalvaSchedina(
                sistema_.Dati->Coupon,
                ludo::io::resolvePath(sistema_.Cartella(), ludo::NomeUltimaSchedina));
        } catch (const std::exception& e) {
            MostraErrore(e);
        }
    }
    event->accept();
}
