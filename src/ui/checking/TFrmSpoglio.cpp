#include "ui/checking/TFrmSpoglio.h"

#include <QListWidget>
#include <QScrollBar>
#include <algorithm>

#include "ui/checking/TFrmGoalDopoGoal.h"
#include "ui/checking/TFrmSchedineVincenti.h"
#include "ui/conditions/Modifica.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui_TFrmSpoglio.h"

TFrmSpoglio::TFrmSpoglio(ludo::T_Sistema& sistema, ludo::ListaColonne colonne, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmSpoglio>()),
      sistema_(sistema),
      colonne_(std::move(colonne)) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    for (TPronostico* p : {ui->Vincente1_16, ui->Vincente17_32})
        connect(p, &TPronostico::Cambiato, this, &TFrmSpoglio::Valuta);
    connect(ui->ScrollErrori, &QScrollBar::valueChanged, this, &TFrmSpoglio::ScorriCondizioni);
    connect(ui->ListaErrori, &QListWidget::itemDoubleClicked, this,
            &TFrmSpoglio::CondizioneDoppioClick);
    connect(ui->GolBtn, &QPushButton::clicked, this, &TFrmSpoglio::GolClick);
    connect(ui->VisualizzaBtn, &QPushButton::clicked, this, &TFrmSpoglio::VisualizzaClick);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    // The winning column of the last opening comes back with its results.
    if (ludo::NumeroNumeri(Vincente()) == 8) {
        Valuta();
    } else {
        MostraRisultati(false);
    }
}

TFrmSpoglio::~TFrmSpoglio() = default;

ludo::Colonna TFrmSpoglio::Vincente() const {
    return ui->Vincente1_16->Colonna() | ui->Vincente17_32->Colonna();
}

void TFrmSpoglio::ImpostaVincente(ludo::Colonna vincente) {
    ui->Vincente1_16->ImpostaColonna(vincente);
    ui->Vincente17_32->ImpostaColonna(vincente);
    Valuta();
}

void TFrmSpoglio::Valuta() {
    const ludo::Colonna vincente = Vincente();
    const int numeri = ludo::NumeroNumeri(vincente);
    const bool completa = numeri == 8;
    punti_ = completa ? ludo::SpoglioSingolo(colonne_, vincente) : ludo::Punteggi{};
    controllo_ =
        completa ? ludo::ControllaCondizioni(sistema_, vincente) : ludo::ControlloColonna{};
    righe_ = completa ? ludo::RigheCondizioniSbagliate(controllo_) : std::vector<std::string>{};
    MostraRisultati(completa);
    if (numeri > 8)
        Informazione(QString::fromUtf8(ludo::MsgPiuDiOttoNumeri), TFrmMessage::OK, this);
}

void TFrmSpoglio::MostraRisultati(bool mostra) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui->Risultati, ui->ListaErrori, ui->ScrollErrori})
        w->setVisible(mostra);
    ui->VisualizzaBtn->setEnabled(mostra);
    ui->Panel8->setText(QString::number(punti_[8]));
    ui->Panel7->setText(QString::number(punti_[7]));
    ui->Panel6->setText(QString::number(punti_[6]));
    std::array<double, TGBarrePunti::NumeroBarre> contatori{};
    std::copy(punti_.begin(), punti_.end(), contatori.begin());
    ui->Grafico->ImpostaContatori(contatori);
    MostraCondizioni();
}

void TFrmSpoglio::MostraCondizioni() {
    qsizetype lunghezza = 0;
    for (const auto& riga : righe_)
        lunghezza = std::max(lunghezza, QString::fromStdString(riga).size());
    const QSignalBlocker blocco(ui->ScrollErrori);
    ui->ScrollErrori->setRange(0, std::max(0, static_cast<int>(lunghezza) - 1));
    ui->ScrollErrori->setValue(0);
    ScorriCondizioni(0);
}

void TFrmSpoglio::ScorriCondizioni(int posizione) {
    ui->ListaErrori->clear();
    for (const auto& riga : righe_)
        ui->ListaErrori->addItem(QString::fromStdString(ludo::RigaScorrimento(riga, posizione)));
}

void TFrmSpoglio::CondizioneDoppioClick(QListWidgetItem* riga) {
    const auto i = static_cast<std::size_t>(ui->ListaErrori->row(riga));
    if (i >= controllo_.Errori.size() || controllo_.Errori[i].Condizione == nullptr) return;
    const EsitoModifica esito = Modifica(*controllo_.Errori[i].Condizione, this);
    if (!esito.cambiata) return;
    sistema_.Modificato = true;
    Valuta();
}

void TFrmSpoglio::GolClick() {
    const ludo::Colonna prima = Vincente();
    TFrmGoalDopoGoal finestra(sistema_.Dati->Coupon, gol_, this);
    // The counts behind follow the goals as they are typed.
    connect(&finestra, &TFrmGoalDopoGoal::VincenteCambiata, this, &TFrmSpoglio::ImpostaVincente);
    if (finestra.exec() == QDialog::Accepted) {
        gol_ = finestra.Gol();
        ImpostaVincente(finestra.Vincente());
    } else {
        ImpostaVincente(prima);
    }
}

void TFrmSpoglio::VisualizzaClick() {
    TFrmSchedineVincenti finestra(colonne_, Vincente(), punti_, this);
    finestra.exec();
}
