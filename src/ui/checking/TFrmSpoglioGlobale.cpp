#include "ui/checking/TFrmSpoglioGlobale.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include "core/checking/SpoglioGlobale.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/printing/StampaSuFile.h"
#include "ui/printing/SuperficieStampa.h"
#include "ui/printing/TmmPrinterQt.h"
#include "ui_TFrmSpoglioGlobale.h"

namespace {

QTableWidgetItem* Cella(const std::string& testo) {
    auto* cella = new QTableWidgetItem(QString::fromStdString(testo));
    cella->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cella;
}

template <class Righe>
void Riempi(QTableWidget* tabella, const Righe& righe, std::size_t prima, int quante) {
    for (int r = 0; r < quante; ++r) {
        const std::size_t i = prima + static_cast<std::size_t>(r);
        for (int c = 0; c < tabella->columnCount(); ++c)
            tabella->setItem(
                r, c, i < righe.size() ? Cella(righe[i][static_cast<std::size_t>(c)]) : Cella({}));
    }
}

void PreparaTabella(QTableWidget* tabella, const QStringList& titoli, int righe) {
    tabella->setColumnCount(static_cast<int>(titoli.size()));
    tabella->setRowCount(righe);
    tabella->setHorizontalHeaderLabels(titoli);
    tabella->verticalHeader()->hide();
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setTabKeyNavigation(false);
    tabella->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabella->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int alta = tabella->fontMetrics().height() + 4;
    tabella->verticalHeader()->setDefaultSectionSize(alta);
    tabella->setFixedHeight(tabella->horizontalHeader()->sizeHint().height() + righe * alta +
                            2 * tabella->frameWidth());
}

QStringList Titoli(std::initializer_list<const char*> testi) {
    QStringList titoli;
    for (const char* t : testi) titoli << QString::fromUtf8(t);
    return titoli;
}

}  // namespace

TFrmSpoglioGlobale::TFrmSpoglioGlobale(ludo::TArchivioGiocate& giocate, int concorso,
                                       QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmSpoglioGlobale>()),
      giocate_(giocate),
      concorso_(concorso) {
    ui->setupUi(this);
    ui->LabelVincente->setText(QString::fromStdString(ludo::TitoloVincenteConcorso(concorso)));
    ui->LabelRiepilogo->setText(QString::fromStdString(ludo::TitoloRiepilogoConcorso(concorso)));
    ui->LabelSistemi->setText(QString::fromStdString(ludo::TitoloSistemiConcorso(concorso)));
    QStringList titoli;
    for (const auto& t : ludo::IntestazioniRiepilogo) titoli << QString::fromStdString(t).trimmed();
    PreparaTabella(ui->GrigliaRiepilogo, titoli, 4);
    PreparaTabella(ui->GrigliaSistemi, Titoli({"Numeri", "Colonne", "Data", "Ora", "8", "7", "6"}),
                   ludo::SistemiVisibili);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    for (TPronostico* p : {ui->Vincente1_16, ui->Vincente17_32})
        connect(p, &TPronostico::Cambiato, this, &TFrmSpoglioGlobale::Valuta);
    connect(ui->ScrollSistemi, &QScrollBar::valueChanged, this, &TFrmSpoglioGlobale::MostraSistemi);
    connect(ui->StampaBtn, &QPushButton::clicked, this, &TFrmSpoglioGlobale::StampaClick);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    if (ludo::NumeroNumeri(Vincente()) == 8) giocate_.Spoglio(Vincente());
    MostraRiepilogo();
}

TFrmSpoglioGlobale::~TFrmSpoglioGlobale() = default;

ludo::Colonna TFrmSpoglioGlobale::Vincente() const {
    return ui->Vincente1_16->Colonna() | ui->Vincente17_32->Colonna();
}

void TFrmSpoglioGlobale::Valuta() {
    const int numeri = ludo::NumeroNumeri(Vincente());
    if (numeri > 8)
        Informazione(QString::fromUtf8(ludo::MsgPiuDiOttoNumeriGlobale), TFrmMessage::OK, this);
    if (numeri != 8) return;
    giocate_.Spoglio(Vincente());
    MostraRiepilogo();
}

void TFrmSpoglioGlobale::MostraRiepilogo() {
    const auto righe = ludo::RigheRiepilogo(giocate_);
    Riempi(ui->GrigliaRiepilogo, righe, 0, static_cast<int>(righe.size()));
    ui->GrigliaRiepilogo->resizeColumnsToContents();
    const QSignalBlocker blocco(ui->ScrollSistemi);
    ui->ScrollSistemi->setRange(0, ludo::MassimoScorrimentoSistemi(giocate_.Sistemi.size()));
    ui->ScrollSistemi->setPageStep(ludo::SistemiVisibili);
    MostraSistemi(ui->ScrollSistemi->value());
}

void TFrmSpoglioGlobale::MostraSistemi(int primo) {
    Riempi(ui->GrigliaSistemi, ludo::RigheSistemi(giocate_), static_cast<std::size_t>(primo),
           ludo::SistemiVisibili);
    ui->GrigliaSistemi->resizeColumnsToContents();
}

void TFrmSpoglioGlobale::StampaClick() {
    // The table the printout rules, sized as the screen would show it.
    QTableWidget tabella;
    const auto righe = ludo::TabellaStampaGlobale(giocate_);
    tabella.setColumnCount(static_cast<int>(ludo::IntestazioniRiepilogo.size()) + 1);
    tabella.setRowCount(static_cast<int>(righe.size()));
    for (int r = 0; r < tabella.rowCount(); ++r) {
        const auto& riga = righe[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(riga.size()); ++c)
            tabella.setItem(r, c, Cella(riga[static_cast<std::size_t>(c)]));
    }
    tabella.resizeColumnsToContents();
    QString file;
    if (StampaSuFile()) {
        file = ChiediFileStampa(this, QStringLiteral("Spoglio Globale %1").arg(concorso_));
        if (file.isEmpty()) return;
    }
    const QString titolo = ui->LabelRiepilogo->text();
    EseguiStampa(
        this,
        [&] {
            StampaSu([&](SuperficieStampa& superficie) {
                StampaTabella(superficie, titolo, GrigliaDi(tabella), font(), font(),
                              ludo::MsgImpossibileStampareDati);
            });
        },
        ludo::MsgImpossibileStampareDati, file);
}

void ApriSpoglioGlobale(QWidget* parent, ludo::TArchivioGiocate& giocate, int concorso) {
    TFrmSpoglioGlobale finestra(giocate, concorso, parent);
    finestra.exec();
}
