#include "ui/conditions/TFrmRecuperi.h"

#include <QPushButton>
#include <QToolButton>

#include "core/io/Errore.h"
#include "core/system/T_Sistema.h"
#include "ui/conditions/Modifica.h"
#include "ui/conditions/TFrmRecAna.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/controls/TGGraphpt.h"
#include "ui_TFrmRecuperi.h"

namespace {

const QString PaginaGuida = QStringLiteral("recupero-condizioni");

}  // namespace

TFrmRecuperi::TFrmRecuperi(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmRecuperi>()), sistema_(sistema) {
    ui->setupUi(this);
    lavoro_.CopiaLimiti(sistema_.Dati->Link);
    PreparaLink();
    for (char c = 'A'; c <= 'Z'; ++c) {
        auto* pulsante = findChild<QToolButton*>(QStringLiteral("Link%1").arg(QChar(c)));
        connect(pulsante, &QToolButton::clicked, this, [this, c] { LetteraClick(c); });
    }
    connect(ui->ListBoxCond, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* voce) { CondizioneDoppioClick(ui->ListBoxCond->row(voce)); });
    connect(ui->ListBoxCond, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* voce) { CondizioneDoppioClick(ui->ListBoxCond->row(voce)); });
    connect(ui->AzzeraBtn, &QPushButton::clicked, this, &TFrmRecuperi::AzzeraClick);
    connect(ui->AnalisiBtn, &QPushButton::clicked, this, &TFrmRecuperi::AnalisiClick);
    connect(ui->OkBtn, &QPushButton::clicked, this, &TFrmRecuperi::OkBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmRecuperi::reject);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    AiutoFinestra(*this, PaginaGuida);
    RicordaFinestra(*this);
    // The letter pressed when the window was last closed comes back.
    for (char c = 'A'; c <= 'Z'; ++c) {
        if (findChild<QToolButton*>(QStringLiteral("Link%1").arg(QChar(c)))->isChecked()) lettera_ = c;
    }
    Mostra();
}

TFrmRecuperi::~TFrmRecuperi() = default;

void TFrmRecuperi::PreparaLink() {
    auto& link = sistema_.Dati->Link;
    sistema_.Dati->Condizioni.ImpostaPercorsi();
    link.PreparaLink(sistema_.Dati->Condizioni);
    ludo::TInsiemeLink nuovo = link;
    nuovo.CopiaLimiti(lavoro_);
    lavoro_ = std::move(nuovo);
}

void TFrmRecuperi::Mostra() {
    findChild<QToolButton*>(QStringLiteral("Link%1").arg(QChar(lettera_)))->setChecked(true);
    const ludo::TLink& link = *lavoro_.Lettera(lettera_);
    ui->LabelLink->setText(QStringLiteral("Condizioni Nella Link %1").arg(QChar(lettera_)));
    ui->ListBoxCond->clear();
    for (const auto& e : link.Elementi) ui->ListBoxCond->addItem(QString::fromStdString(e.Nome));
    ui->PtLink->CaricaMisura(link.ErroriAmmessiNellaLink);
    ui->PtTutteLink->CaricaMisura(lavoro_.ErroriAmmessiInTotale);
    ui->PtLink->setModificato(false);
    ui->PtTutteLink->setModificato(false);
    ui->MaxLink->setText(QStringLiteral("Max : %1").arg(link.MassimoErrori));
    ui->MaxTotale->setText(QStringLiteral("Max : %1").arg(lavoro_.MassimoTotale));
}

bool TFrmRecuperi::Memorizza() {
    if (!ui->PtLink->Modificato() && !ui->PtTutteLink->Modificato()) return true;
    ludo::TMisura nellaLink = lavoro_.Lettera(lettera_)->ErroriAmmessiNellaLink;
    ludo::TMisura inTotale = lavoro_.ErroriAmmessiInTotale;
    ui->PtLink->SalvaMisura(nellaLink);
    ui->PtTutteLink->SalvaMisura(inTotale);
    try {
        lavoro_.MemorizzaLimiti(lettera_, nellaLink, inTotale);
    } catch (const ludo::Errore& e) {
        TFrmMessage::Mostra(QStringLiteral("Informazione"), QString::fromUtf8(e.what()), TFrmMessage::OK, this);
        return false;
    }
    ui->PtLink->setModificato(false);
    ui->PtTutteLink->setModificato(false);
    return true;
}

void TFrmRecuperi::LetteraClick(char lettera) {
    if (lettera == lettera_) return;
    if (Memorizza()) lettera_ = lettera;
    Mostra();
}

void TFrmRecuperi::CondizioneDoppioClick(int riga) {
    const auto& elementi = lavoro_.Lettera(lettera_)->Elementi;
    if (riga < 0 || riga >= static_cast<int>(elementi.size()) || !Memorizza()) return;
    sistema_.DatiPerLeCondizioni();
    if (!Modifica(*elementi[static_cast<std::size_t>(riga)].Condizione, this).cambiata) return;
    sistema_.Modificato = true;
    cambiato_ = true;
    // The edit may have moved the condition into or out of links.
    PreparaLink();
    Mostra();
}

void TFrmRecuperi::AzzeraClick() {
    ui->PtLink->Azzera();
    ui->PtTutteLink->Azzera();
}

void TFrmRecuperi::AnalisiClick() {
    TFrmRecAna analisi(sistema_.Dati->Link, lettera_, this);
    analisi.exec();
}

void TFrmRecuperi::OkBtnClick() {
    if (!Memorizza()) return;
    auto& link = sistema_.Dati->Link;
    if (!link.StessiLimiti(lavoro_)) {
        link.CopiaLimiti(lavoro_);
        link.AggiornaStatoLink();
        sistema_.Modificato = true;
        cambiato_ = true;
    }
    accept();
}
