#include "ui/conditions/TFrmCondizione.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSpinBox>
#include <QStyle>

#include "core/conditions/TCondizioneTabelle.h"
#include "ui/conditions/StatisticheCondizione.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/controls/TGGraphpt.h"
#include "ui/controls/TPronostico.h"
#include "ui_TFrmCondizione.h"

ludo::TMisura& TabellaCondizione(ludo::TCondizione& condizione, int tabella) {
    return dynamic_cast<ludo::TCondizioneTabelle&>(condizione)
        .Tabelle.at(static_cast<std::size_t>(tabella));
}

const ludo::TMisura& TabellaCondizione(const ludo::TCondizione& condizione, int tabella) {
    return dynamic_cast<const ludo::TCondizioneTabelle&>(condizione)
        .Tabelle.at(static_cast<std::size_t>(tabella));
}

TFrmCondizione::TFrmCondizione(const Descrizione& descrizione, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmCondizione>()),
      sezioneGuida_(QString::fromLatin1(descrizione.sezioneGuida)) {
    ui->setupUi(this);
    setObjectName(QString::fromLatin1(descrizione.nome));
    setWindowTitle(QString::fromUtf8(descrizione.titolo));
    ui->PrimoBtn->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
    ui->SinistraBtn->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    ui->DestraBtn->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    ui->UltimoBtn->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));

    connect(ui->PrimoBtn, &QToolButton::clicked, this, [this] { Sposta(&TListaViste::Primo); });
    connect(ui->SinistraBtn, &QToolButton::clicked, this,
            [this] { Sposta(&TListaViste::Precedente); });
    connect(ui->DestraBtn, &QToolButton::clicked, this,
            [this] { Sposta(&TListaViste::Successivo); });
    connect(ui->UltimoBtn, &QToolButton::clicked, this, [this] { Sposta(&TListaViste::Ultimo); });
    connect(ui->AggiungiBtn, &QPushButton::clicked, this, &TFrmCondizione::AggiungiClick);
    connect(ui->EliminaBtn, &QPushButton::clicked, this, &TFrmCondizione::EliminaClick);
    connect(ui->AzzeraBtn, &QPushButton::clicked, this, &TFrmCondizione::AzzeraClick);
    connect(ui->ArchivioBtn, &QPushButton::clicked, this,
            [this] { StatisticheClick(FonteStatistiche::Archivio); });
    connect(ui->AnalisiBtn, &QPushButton::clicked, this,
            [this] { StatisticheClick(FonteStatistiche::Colonne); });
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmCondizione::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmCondizione::reject);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, &TFrmCondizione::AiutoBtnClick);
    SegnalaModifiche({ui->Attivato, ui->Disattivato, ui->AttivatoS, ui->DisattivatoS});
    AiutoFinestra(*this, sezioneGuida_);
}

TFrmCondizione::~TFrmCondizione() = default;

QWidget* TFrmCondizione::Contenuto() const { return ui->Contenuto; }

void TFrmCondizione::SegnalaModifiche(const QList<QWidget*>& controlli) {
    for (QWidget* w : controlli) {
        if (auto* pulsante = qobject_cast<QAbstractButton*>(w)) {
            connect(pulsante, &QAbstractButton::toggled, this, &TFrmCondizione::Modificata);
        } else if (auto* spin = qobject_cast<QSpinBox*>(w)) {
            connect(spin, &QSpinBox::valueChanged, this, &TFrmCondizione::Modificata);
        } else if (auto* pronostico = qobject_cast<TPronostico*>(w)) {
            connect(pronostico, &TPronostico::Cambiato, this, &TFrmCondizione::Modificata);
        }
    }
}

bool TFrmCondizione::Rifiuta(const QString& messaggio, const QString& titolo) {
    TFrmMessage::Mostra(titolo, messaggio, TFrmMessage::OK, this);
    return false;
}

void TFrmCondizione::Modificata() {
    if (!caricando_) cambiato_ = true;
}

void TFrmCondizione::ImpostaOggetto(ludo::TCondizione& oggetto) {
    for (const PuntiTabella& p : Punti())
        connect(p.controllo, &TGGraphpt::Cambiato, this, &TFrmCondizione::Modificata);
    RicordaFinestra(*this);
    viste_.ImpostaOggetto(oggetto);
    const bool singolo = viste_.Singolo();
    ui->PanelGruppo->setVisible(!singolo);
    caricando_ = true;
    const bool attivato = singolo ? Mostrata().Attivato : oggetto.Attivato;
    (attivato ? ui->Attivato : ui->Disattivato)->setChecked(true);
    caricando_ = false;
    const bool statistiche = StatisticheDisponibili();
    ui->ArchivioBtn->setEnabled(statistiche);
    ui->AnalisiBtn->setEnabled(statistiche);
    // A group opened empty already holds the member it shows.
    cambiato_ = !singolo && oggetto.Membri()->empty();
    MostraVista();
    OrdinaTabulazione();
}

namespace {

// The editor inside a spin box or a combo box is part of it.
bool ParteDiUnControllo(const QWidget* w) {
    const QWidget* p = w->parentWidget();
    return qobject_cast<const QAbstractSpinBox*>(p) != nullptr ||
           qobject_cast<const QComboBox*>(p) != nullptr;
}

}  // namespace

void TFrmCondizione::OrdinaTabulazione() {
    // The window's own controls were made after the common ones: Tab takes
    // them, with the parts of compound controls, between the state and the
    // buttons, in the order they were made.
    QList<QWidget*> propri;
    for (QWidget* w = ui->Contenuto->nextInFocusChain(); w != ui->Contenuto;
         w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && ui->Contenuto->isAncestorOf(w) &&
            !ParteDiUnControllo(w)) {
            propri.append(w);
        }
    }
    QWidget* precedente = ui->DisattivatoS;
    for (QWidget* w : propri) {
        setTabOrder(precedente, w);
        precedente = w;
    }
    for (QWidget* w : {ui->ArchivioBtn, ui->AnalisiBtn, ui->AzzeraBtn, ui->OKBtn, ui->AnnullaBtn,
                       ui->AiutoBtn}) {
        setTabOrder(precedente, w);
        precedente = w;
    }
}

void TFrmCondizione::CaricaPunti(const ludo::TCondizione& vista) {
    for (const PuntiTabella& p : Punti()) {
        p.controllo->CaricaMisura(TabellaCondizione(vista, p.tabella));
        p.controllo->setModificato(false);
    }
}

void TFrmCondizione::MemorizzaPunti(ludo::TCondizione& vista) const {
    for (const PuntiTabella& p : Punti()) {
        if (!p.controllo->Modificato()) continue;
        ludo::TMisura& misura = TabellaCondizione(vista, p.tabella);
        p.controllo->SalvaMisura(misura);
        // Worked out again by AggiornaStato.
        misura.Prima.InUso = false;
        misura.Seconda.InUso = false;
        misura.QualcunoInUso = false;
        p.controllo->setModificato(false);
    }
}

bool TFrmCondizione::MemorizzaVista() {
    ludo::TCondizione& vista = Mostrata();
    MemorizzaPunti(vista);
    if (!MemorizzaSpecifici(vista)) return false;
    vista.Attivato = viste_.Singolo() ? ui->Attivato->isChecked() : ui->AttivatoS->isChecked();
    return true;
}

void TFrmCondizione::MostraVista() {
    caricando_ = true;
    const ludo::TCondizione& vista = Mostrata();
    CaricaPunti(vista);
    CaricaSpecifici(vista);
    if (!viste_.Singolo()) {
        (vista.Attivato ? ui->AttivatoS : ui->DisattivatoS)->setChecked(true);
        ui->PanelNumero->setText(QString::number(viste_.Corrente + 1));
        const bool primo = viste_.Corrente == 0;
        const bool ultimo = viste_.Corrente == viste_.Numero() - 1;
        ui->PrimoBtn->setEnabled(!primo);
        ui->SinistraBtn->setEnabled(!primo);
        ui->DestraBtn->setEnabled(!ultimo);
        ui->UltimoBtn->setEnabled(!ultimo);
        ui->EliminaBtn->setEnabled(viste_.Numero() > 1);
    }
    caricando_ = false;
}

void TFrmCondizione::Sposta(void (TListaViste::*mossa)()) {
    if (!MemorizzaVista()) return;
    (viste_.*mossa)();
    MostraVista();
}

void TFrmCondizione::AggiungiClick() {
    if (!MemorizzaVista()) return;
    viste_.Aggiungi();
    cambiato_ = true;
    MostraVista();
}

void TFrmCondizione::EliminaClick() {
    if (!viste_.Elimina()) return;
    cambiato_ = true;
    MostraVista();
}

void TFrmCondizione::AzzeraClick() {
    for (const PuntiTabella& p : Punti()) p.controllo->Azzera();
    AzzeraSpecifici(Mostrata());
    cambiato_ = true;
}

void TFrmCondizione::StatisticheClick(FonteStatistiche fonte) {
    statistiche_ = true;
    const bool memorizzata = MemorizzaVista();
    statistiche_ = false;
    if (!memorizzata) return;
    ApriStatistiche({Mostrata(), fonte, Pagina()}, this);
}

void TFrmCondizione::OKBtnClick() {
    if (!MemorizzaVista()) return;
    if (!viste_.Singolo()) viste_.Oggetto().Attivato = ui->Attivato->isChecked();
    viste_.Scrivi();
    accept();
}

void TFrmCondizione::AiutoBtnClick() { ApriGuida(this, sezioneGuida_); }
