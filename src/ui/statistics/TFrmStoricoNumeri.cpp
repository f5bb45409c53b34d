#include "ui/statistics/TFrmStoricoNumeri.h"

#include <QPushButton>
#include <QTabWidget>
#include <QValueAxis>
#include <algorithm>

#include "core/statistics/TGestoreGrDati.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TGLegenda.h"
#include "ui/statistics/GraficoAnalisi.h"
#include "ui/statistics/TabelleStatistiche.h"
#include "ui_TFrmStoricoNumeri.h"

namespace {

constexpr int NumeriPagina = 16;

}  // namespace

TFrmStoricoNumeri::TFrmStoricoNumeri(ludo::StatisticheNumeri statistiche, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmStoricoNumeri>()), statistiche_(statistiche) {
    ui->setupUi(this);
    Riempi(*ui->Tabella1, 1);
    Riempi(*ui->Tabella2, NumeriPagina + 1);
    connect(ui->Pagine, &QTabWidget::currentChanged, this, [this] { AggiornaGrafico(); });
    connect(ui->StampaBtn, &QPushButton::clicked, this, &TFrmStoricoNumeri::StampaClick);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &QDialog::accept);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    AggiornaGrafico();
}

TFrmStoricoNumeri::~TFrmStoricoNumeri() = default;

void TFrmStoricoNumeri::Riempi(QTableWidget& tabella, int primo) {
    std::vector<QStringList> righe;
    for (int n = primo; n < primo + NumeriPagina; ++n) {
        const ludo::StatisticaNumero& r = statistiche_.Numeri[static_cast<std::size_t>(n - 1)];
        righe.push_back({QStringLiteral(" %1").arg(n), QString::number(r.Frequenza),
                         QString::number(r.RitardoAttuale), QString::number(r.RitardoMassimo),
                         QString::fromStdString(ludo::TestoICNumero(statistiche_, n)),
                         QString::number(r.FrequenzaAnnuale), QString::number(r.ConsecutiviAttuali),
                         QString::number(r.ConsecutiviMassimi)});
    }
    RiempiTabella(
        tabella,
        {QStringLiteral("Partita"), QStringLiteral("Freq."), QStringLiteral("Rit. Att."),
         QStringLiteral("Rit. Max."), QStringLiteral("   IC"), QStringLiteral("Freq. Ann."),
         QStringLiteral("Cs. Att."), QStringLiteral("Cs. Max.")},
        righe);
}

void TFrmStoricoNumeri::AggiornaGrafico() {
    const int primo = ui->Pagine->currentIndex() == 1 ? NumeriPagina + 1 : 1;
    QStringList etichette;
    GraficoAnalisi::Serie frequenze{QStringLiteral("Freq."), {}};
    GraficoAnalisi::Serie ritardi{QStringLiteral("Rit. Att."), {}};
    for (int n = primo; n < primo + NumeriPagina; ++n) {
        const ludo::StatisticaNumero& r = statistiche_.Numeri[static_cast<std::size_t>(n - 1)];
        etichette << QString::number(n);
        frequenze.valori << r.Frequenza;
        ritardi.valori << r.RitardoAttuale;
    }
    const double massima =
        std::max(*std::max_element(frequenze.valori.begin(), frequenze.valori.end()),
                 *std::max_element(ritardi.valori.begin(), ritardi.valori.end()));
    ui->Grafico->Imposta(etichette, {frequenze, ritardi},
                         ludo::MassimoAsse(massima, true, false, 0), QStringLiteral("Concorsi"));
    ui->Grafico->AsseValori()->applyNiceNumbers();
    ui->Legenda->ImpostaVoci(
        {{GraficoAnalisi::Colore(0), frequenze.nome}, {GraficoAnalisi::Colore(1), ritardi.nome}});
    ui->Legenda->setNumPoint(2);
}

void TFrmStoricoNumeri::StampaClick() {
    StampaTabelleFinestra(this,
                          {{QStringLiteral("Analisi Storica Della Frequenza Dei Numeri 1-16"),
                            GrigliaConIntestazioni(*ui->Tabella1)},
                           {QStringLiteral("Analisi Storica Della Frequenza Dei Numeri 17-32"),
                            GrigliaConIntestazioni(*ui->Tabella2)}},
                          ludo::MsgImpossibileStampareTabella, NomeFilePdf);
}
