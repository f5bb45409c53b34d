#include "ui/system/TFormListaSQ.h"

#include <algorithm>
#include <array>
#include <QListWidget>
#include <QPushButton>

#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/system/PulsantiSerie.h"
#include "ui/system/TFormEditSQ.h"
#include "ui_TFormListaSQ.h"

using ludo::Serie;

TFormListaSQ::TFormListaSQ(std::filesystem::path cartellaProgramma, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormListaSQ>()), cartella_(std::move(cartellaProgramma)) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, QStringLiteral("squadre"));
    CollegaPulsantiSerie(*this, {ui->BtnA, ui->BtnB, ui->BtnC1, ui->BtnC2}, [this](Serie serie) { MostraSerie(serie); });
    connect(ui->ListBox, &QListWidget::currentRowChanged, this, &TFormListaSQ::AggiornaForm);
    connect(ui->ListBox, &QListWidget::itemDoubleClicked, this, &TFormListaSQ::ModificaClick);
    connect(ui->BtnAggiungi, &QPushButton::clicked, this, &TFormListaSQ::AggiungiClick);
    connect(ui->BtnModifica, &QPushButton::clicked, this, &TFormListaSQ::ModificaClick);
    connect(ui->BtnCancella, &QPushButton::clicked, this, &TFormListaSQ::CancellaClick);
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFormListaSQ::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFormListaSQ::reject);
    Carica();
    MostraSerie(Serie::A);
}

TFormListaSQ::~TFormListaSQ() = default;

void TFormListaSQ::MostraErrori(const std::vector<std::string>& errori) {
    for (const auto& errore : errori) {
        TFrmMessage::Mostra(QStringLiteral("Informazione"), QString::fromStdString(errore), TFrmMessage::OK, this);
    }
}

void TFormListaSQ::Carica() { MostraErrori(liste_.Carica(cartella_)); }

void TFormListaSQ::MostraSerie(Serie serie) {
    serie_ = serie;
    const std::array<QAbstractButton*, 4> pulsanti = {ui->BtnA, ui->BtnB, ui->BtnC1, ui->BtnC2};
    pulsanti[static_cast<std::size_t>(serie)]->setChecked(true);
    AggiornaLista(0);
}

void TFormListaSQ::AggiornaLista(int selezione) {
    ui->ListBox->clear();
    for (const auto& nome : ListaMostrata().Nomi()) ui->ListBox->addItem(QString::fromStdString(nome));
    const QString titolo = QString::fromStdString(ludo::TitoloLista(serie_, ListaMostrata().Nomi().size()));
    ui->LabelSerie->setText(titolo);
    ui->ListBox->setAccessibleName(titolo);
    if (ui->ListBox->count() > 0) ui->ListBox->setCurrentRow(std::clamp(selezione, 0, ui->ListBox->count() - 1));
    AggiornaForm();
}

void TFormListaSQ::AggiornaForm() {
    const bool selezionato = ui->ListBox->currentRow() >= 0;
    ui->BtnModifica->setEnabled(selezionato);
    ui->BtnCancella->setEnabled(selezionato);
}

QString TFormListaSQ::ChiediNome(const QString& nome) {
    TFormEditSQ edit(this);
    edit.ImpostaNome(nome);
    if (edit.exec() != QDialog::Accepted) return {};
    return edit.Nome();
}

void TFormListaSQ::AggiungiClick() {
    const QString nome = ChiediNome({});
    if (nome.isEmpty()) return;
    AggiornaLista(static_cast<int>(ListaMostrata().Aggiungi(nome.toStdString())));
}

void TFormListaSQ::ModificaClick() {
    const int riga = ui->ListBox->currentRow();
    if (riga < 0) return;
    const QString nome = ChiediNome(ui->ListBox->item(riga)->text());
    if (nome.isEmpty()) return;
    AggiornaLista(static_cast<int>(ListaMostrata().Sostituisci(static_cast<std::size_t>(riga), nome.toStdString())));
}

void TFormListaSQ::CancellaClick() {
    const int riga = ui->ListBox->currentRow();
    if (riga < 0) return;
    ListaMostrata().Cancella(static_cast<std::size_t>(riga));
    AggiornaLista(riga);
}

void TFormListaSQ::OKBtnClick() {
    MostraErrori(liste_.Salva(cartella_));
    accept();
}

void TFormListaSQ::reject() {
    Carica();
    MostraSerie(serie_);
    QDialog::reject();
}
