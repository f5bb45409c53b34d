#include "ui/system/TFormSelPartite.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHideEvent>
#include <QScreen>
#include <QTableWidget>
#include <algorithm>
#include <array>

#include "core/system/T_Sistema.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/ColoriControlli.h"
#include "ui/system/PulsantiSerie.h"
#include "ui_TFormSelPartite.h"

using ludo::Serie;

namespace {

constexpr int RigheMinime = 10;
constexpr int DistanzaDalCentro = 40;

QString Testo(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TFormSelPartite::TFormSelPartite(ludo::T_Sistema& sistema, ludo::ListeSquadre liste, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormSelPartite>()), sistema_(sistema), liste_(std::move(liste)) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, QStringLiteral("selezione"));
    setModal(false);
    CollegaPulsantiSerie(*this, {ui->BtnA, ui->BtnB, ui->BtnC1, ui->BtnC2}, [this](Serie serie) { MostraSerie(serie); });
    ui->GridSquadre->setColumnCount(2);
    ui->GridSquadre->horizontalHeader()->hide();
    ui->GridSquadre->verticalHeader()->hide();
    ui->GridSquadre->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->GridSquadre->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->GridSquadre->setSelectionMode(QAbstractItemView::NoSelection);
    connect(ui->GridSquadre, &QTableWidget::cellClicked, this, &TFormSelPartite::SquadraCliccata);
    connect(ui->BtnSu, &QAbstractButton::clicked, this, [this] { Muovi(ludo::Freccia::Su); });
    connect(ui->BtnGiu, &QAbstractButton::clicked, this, [this] { Muovi(ludo::Freccia::Giu); });
    connect(ui->BtnSinistra, &QAbstractButton::clicked, this, [this] { Muovi(ludo::Freccia::Sinistra); });
    connect(ui->BtnDestra, &QAbstractButton::clicked, this, [this] { Muovi(ludo::Freccia::Destra); });
    connect(ui->ChiudiBtn, &QAbstractButton::clicked, this, &QDialog::close);
    MostraSerie(Serie::A);
}

TFormSelPartite::~TFormSelPartite() = default;

ludo::Schedina& TFormSelPartite::Coupon() const { return sistema_.Dati->Coupon; }

void TFormSelPartite::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    cursore_ = ludo::PrimoCursoreVuoto(Coupon());
    MostraSerie(Serie::A);
    MostraCursore();
}

void TFormSelPartite::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    // A minimised main window hides its windows too: that is no closing.
    if (!event->spontaneous()) emit Chiusa();
}

void TFormSelPartite::MostraSerie(Serie serie) {
    serie_ = serie;
    const std::array<QAbstractButton*, 4> pulsanti = {ui->BtnA, ui->BtnB, ui->BtnC1, ui->BtnC2};
    pulsanti[static_cast<std::size_t>(serie)]->setChecked(true);
    const auto& nomi = liste_[serie].Nomi();
    auto* griglia = ui->GridSquadre;
    griglia->clearContents();
    griglia->setRowCount(std::max(RigheMinime, static_cast<int>((nomi.size() + 1) / 2)));
    for (int r = 0; r < griglia->rowCount(); ++r) {
        for (int c = 0; c < 2; ++c) griglia->setItem(r, c, new QTableWidgetItem);
    }
    for (std::size_t i = 0; i < nomi.size(); ++i) {
        griglia->item(static_cast<int>(i / 2), static_cast<int>(i % 2))->setText(Testo(nomi[i]));
    }
    AggiornaForm();
}

void TFormSelPartite::AggiornaForm() {
    auto* griglia = ui->GridSquadre;
    for (int r = 0; r < griglia->rowCount(); ++r) {
        for (int c = 0; c < 2; ++c) {
            QTableWidgetItem* cella = griglia->item(r, c);
            const bool usata =
                !cella->text().isEmpty() && ludo::SquadraInSchedina(Coupon(), cella->text().toStdString());
            cella->setBackground(usata ? QBrush(ColoreBGR(kColoreSelezione)) : QBrush());
            QFont carattere = cella->font();
            carattere.setBold(usata);
            cella->setFont(carattere);
        }
    }
}

void TFormSelPartite::ImpostaCursore(int cursore) {
    cursore_ = std::clamp(cursore, 0, ludo::CelleSchedina - 1);
    MostraCursore();
}

void TFormSelPartite::MostraCursore() {
    const auto cella = ludo::CellaDelCursore(cursore_);
    ui->LabelCella->setText(QStringLiteral("Partita %1 - %2")
                                .arg(cella.Partita)
                                .arg(cella.Ospite ? QStringLiteral("Ospite") : QStringLiteral("Casa")));
    Posiziona();
    emit CursoreCambiato(cursore_);
}

void TFormSelPartite::Posiziona() {
    const QScreen* schermo = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (schermo == nullptr) return;
    const int centro = schermo->geometry().center().x();
    const int x = cursore_ < ludo::CelleMezzaSchedina ? centro + DistanzaDalCentro
                                                      : centro - DistanzaDalCentro - frameGeometry().width();
    move(x, pos().y());
}

void TFormSelPartite::SquadraCliccata(int riga, int colonna) {
    const QTableWidgetItem* cella = ui->GridSquadre->item(riga, colonna);
    if (cella == nullptr || cella->text().isEmpty()) return;
    ludo::SquadraDellaCella(Coupon(), cursore_) = ludo::TroncaNomeSquadra(cella->text().toStdString());
    emit SquadraScritta(cursore_);
    AggiornaForm();
    cursore_ = ludo::Avanza(cursore_);
    MostraCursore();
}

void TFormSelPartite::Muovi(ludo::Freccia freccia) {
    cursore_ = ludo::MuoviCursore(cursore_, freccia);
    MostraCursore();
}
