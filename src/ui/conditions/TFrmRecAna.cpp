#include "ui/conditions/TFrmRecAna.h"

#include <QHeaderView>
#include <QPushButton>

#include "core/io/Errore.h"
#include "core/printing/Tabulato.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/printing/StampaSuFile.h"
#include "ui/printing/SuperficieStampa.h"
#include "ui/printing/TmmPrinterQt.h"
#include "ui_TFrmRecAna.h"

namespace {

const QString PaginaGuida = QStringLiteral("analisi-colonne-filtrate");
constexpr char MsgStampa[] = "Impossibile Stampare Le Tabelle";

using Conteggi = std::array<std::int32_t, ludo::AnalisiRecuperi::NumeroValori>;

void Riempi(QTableWidget& griglia, const Conteggi& conteggi, int primo, std::int64_t base, bool percentuale) {
    griglia.setRowCount(ludo::AnalisiRecuperi::NumeroValori - primo);
    griglia.verticalHeader()->hide();
    griglia.verticalHeader()->setDefaultSectionSize(griglia.fontMetrics().height() + 6);
    griglia.horizontalHeader()->setStretchLastSection(true);
    for (int v = primo; v < ludo::AnalisiRecuperi::NumeroValori; ++v) {
        const int riga = v - primo;
        griglia.setItem(riga, 0, new QTableWidgetItem(QString::number(v)));
        auto* cella = new QTableWidgetItem(QString::fromStdString(
            ludo::TestoRifiuti(conteggi[static_cast<std::size_t>(v)], base, percentuale)));
        cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        griglia.setItem(riga, 1, cella);
    }
    griglia.resizeColumnsToContents();
}

}  // namespace

TFrmRecAna::TFrmRecAna(const ludo::TInsiemeLink& link, char lettera, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmRecAna>()), analisi_(ludo::AnalizzaRecuperi(link, lettera)) {
    ui->setupUi(this);
    ui->LabelLink->setText(QStringLiteral("Link %1").arg(QChar(lettera)));
    connect(ui->PercentualeBtn, &QPushButton::clicked, this, [this] {
        percentuale_ = true;
        Mostra();
    });
    connect(ui->ValoriBtn, &QPushButton::clicked, this, [this] {
        percentuale_ = false;
        Mostra();
    });
    connect(ui->StampaBtn, &QPushButton::clicked, this, &TFrmRecAna::StampaClick);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &TFrmRecAna::accept);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    AiutoFinestra(*this, PaginaGuida);
    RicordaFinestra(*this);
    Mostra();
}

TFrmRecAna::~TFrmRecAna() = default;

void TFrmRecAna::Mostra() {
    Riempi(*ui->GrigliaLivelli, analisi_.Livelli, 1, analisi_.BaseLivelli, percentuale_);
    Riempi(*ui->GrigliaErroriLink, analisi_.ErroriLink, 0, analisi_.BaseErroriLink, percentuale_);
    Riempi(*ui->GrigliaErroriTotali, analisi_.ErroriTotali, 0, analisi_.BaseErroriTotali, percentuale_);
}

void TFrmRecAna::StampaClick() {
    QString file;
    if (StampaSuFile()) {
        file = ChiediFileStampa(this, QStringLiteral("ColonneFiltrate.pdf"));
        if (file.isEmpty()) return;
    }
    const QFont titolo(QStringLiteral("Arial"), 12, QFont::Bold);
    const QFont tabella(QStringLiteral("Arial"), 8);
    EseguiStampa(
        this,
        [&] {
            StampaSu([&](SuperficieStampa& superficie) {
                const QString intestazione = QString::fromUtf8(TitoloStampa) + QStringLiteral(" - ");
                bool prima = true;
                for (const QTableWidget* g : {ui->GrigliaLivelli, ui->GrigliaErroriLink, ui->GrigliaErroriTotali}) {
                    // Each grid on pages of its own.
                    if (!prima && !superficie.NuovaPagina()) throw ludo::Errore(MsgStampa);
                    prima = false;
                    const QString nome = g->accessibleName() + QStringLiteral(" (") + ui->LabelLink->text() +
                                         QStringLiteral(")");
                    StampaTabella(superficie, intestazione + nome, GrigliaDi(*g), titolo, tabella, MsgStampa);
                }
            });
        },
        MsgStampa, file);
}
