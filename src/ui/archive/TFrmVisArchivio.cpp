#include "ui/archive/TFrmVisArchivio.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

#include "ui/archive/IntestazioneArchivio.h"
#include "ui/archive/ModelloVistaArchivio.h"
#include "ui/archive/TFrmStampaArchivio.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui_TFrmVisArchivio.h"

namespace {

constexpr int MargineCella = 8;

}  // namespace

TFrmVisArchivio::TFrmVisArchivio(const ludo::ArchivioConcorsi& archivio, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmVisArchivio>()),
      archivio_(archivio),
      modello_(new ModelloVistaArchivio(archivio, this)) {
    ui->setupUi(this);
    PreparaGriglia(*ui->GridFisse);
    PreparaGriglia(*ui->GridValori);
    // One selection for both tables: a row is chosen whole.
    ui->GridValori->setSelectionModel(ui->GridFisse->selectionModel());
    QScrollBar* fisse = ui->GridFisse->verticalScrollBar();
    QScrollBar* valori = ui->GridValori->verticalScrollBar();
    connect(valori, &QScrollBar::valueChanged, fisse, &QScrollBar::setValue);
    connect(fisse, &QScrollBar::valueChanged, valori, &QScrollBar::setValue);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    for (QCheckBox* casella : Caselle()) {
        connect(casella, &QCheckBox::toggled, this, &TFrmVisArchivio::AggiornaFamiglie);
    }
    connect(ui->BStampa, &QPushButton::clicked, this, &TFrmVisArchivio::StampaClick);
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmVisArchivio::accept);
    connect(ui->HelpBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    AggiornaFamiglie();
    // The latest contests first come into sight.
    valori->setValue(valori->maximum());
}

TFrmVisArchivio::~TFrmVisArchivio() = default;

std::array<QCheckBox*, ludo::NumeroFamiglie> TFrmVisArchivio::Caselle() const {
    // In the order of ludo::FamigliaVista.
    return {ui->CBSomme,       ui->CBSequenze,        ui->CBConsecutivita, ui->CBInterruzioni,
            ui->CBPariDispari, ui->CBSimmetrie,       ui->CBVortici,       ui->CBRipetizioni,
            ui->CBResti,       ui->CBDistanzeGlobali, ui->CBBaricentri,    ui->CBAccoppiate,
            ui->CBTerzine,     ui->CBQuartine};
}

void TFrmVisArchivio::PreparaGriglia(QTableView& griglia) {
    griglia.setHorizontalHeader(new IntestazioneArchivio(&griglia));
    griglia.setModel(modello_);
    griglia.verticalHeader()->hide();
    griglia.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    griglia.verticalHeader()->setDefaultSectionSize(griglia.fontMetrics().height() + 4);
    griglia.setSelectionBehavior(QAbstractItemView::SelectRows);
    griglia.setSelectionMode(QAbstractItemView::SingleSelection);
    griglia.setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia.setWordWrap(false);
    // Both tables show the same rows: the fixed one stands level with the
    // other, without the scroll bar that runs under the values.
    const int scorrimento = griglia.horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                                ? 0
                                : griglia.horizontalScrollBar()->sizeHint().height();
    griglia.setFixedHeight(griglia.horizontalHeader()->sizeHint().height() +
                           RigheVisibili * griglia.verticalHeader()->defaultSectionSize() +
                           scorrimento + 2 * griglia.frameWidth());
}

void TFrmVisArchivio::AggiornaFamiglie() {
    ludo::FamiglieVista famiglie{};
    const auto caselle = Caselle();
    for (std::size_t f = 0; f < ludo::NumeroFamiglie; ++f) famiglie[f] = caselle[f]->isChecked();
    const int posizione = ui->GridValori->verticalScrollBar()->value();
    modello_->ImpostaFamiglie(famiglie);
    ImpostaColonne();
    ui->GridValori->verticalScrollBar()->setValue(posizione);
}

void TFrmVisArchivio::ImpostaColonne() {
    const QFontMetrics fm = ui->GridValori->fontMetrics();
    // The fixed columns as wide as their widest text.
    const QString esempi[ModelloVistaArchivio::ColonneFisse] = {
        QStringLiteral("2099"), QStringLiteral("99"), QStringLiteral("Altri"),
        QString::fromStdString(ludo::TestoColonna(0xFF000000u))};
    for (int c = 0; c < modello_->columnCount(); ++c) {
        const bool fissa = c < ModelloVistaArchivio::ColonneFisse;
        ui->GridFisse->setColumnHidden(c, !fissa);
        ui->GridValori->setColumnHidden(c, fissa);
        if (!fissa) continue;
        const QString titolo = modello_->headerData(c, Qt::Horizontal).toString();
        const int larghezza =
            std::max(fm.horizontalAdvance(esempi[c]), fm.horizontalAdvance(titolo)) + MargineCella;
        ui->GridFisse->setColumnWidth(c, larghezza);
    }
    ui->GridFisse->setFixedWidth(ui->GridFisse->horizontalHeader()->length() +
                                 2 * ui->GridFisse->frameWidth());
    // A value column is wide enough for three digits, and a block for its texts.
    const int minima = fm.horizontalAdvance(QStringLiteral("000")) + MargineCella;
    for (const auto& b : modello_->Blocchi()) {
        const int colonne = b.ultima - b.prima + 1;
        const int testo =
            std::max(fm.horizontalAdvance(b.titolo), fm.horizontalAdvance(b.sottotitolo)) +
            MargineCella;
        const int larghezza = std::max(minima, (testo + colonne - 1) / colonne);
        for (int c = b.prima; c <= b.ultima; ++c) ui->GridValori->setColumnWidth(c, larghezza);
    }
}

void TFrmVisArchivio::StampaClick() {
    TFrmStampaArchivio stampa(archivio_, this);
    stampa.exec();
}
