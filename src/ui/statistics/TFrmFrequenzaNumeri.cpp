#include "ui/statistics/TFrmFrequenzaNumeri.h"

#include <QPushButton>
#include <algorithm>

#include "core/statistics/AnalisiNumeri.h"
#include "core/statistics/TGestoreGrDati.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/statistics/GraficoAnalisi.h"
#include "ui/statistics/TabelleStatistiche.h"
#include "ui_TFrmFrequenzaNumeri.h"

namespace {

constexpr int NumeriTabella = 16;

}  // namespace

TFrmFrequenzaNumeri::TFrmFrequenzaNumeri(const std::array<std::int64_t, 32>& conteggi,
                                         std::size_t colonne, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmFrequenzaNumeri>()),
      conteggi_(conteggi),
      colonne_(colonne) {
    ui->setupUi(this);
    ui->Grafico->ImpostaVisibili(32);
    GruppoEsclusivo({ui->PercentualeBtn, ui->ValoriBtn}, [this] { Aggiorna(); });
    connect(ui->StampaBtn, &QPushButton::clicked, this, &TFrmFrequenzaNumeri::StampaClick);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &QDialog::accept);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    // "%" is down at every opening.
    ui->PercentualeBtn->setChecked(true);
    Aggiorna();
}

TFrmFrequenzaNumeri::~TFrmFrequenzaNumeri() = default;

QString TFrmFrequenzaNumeri::Testo(int numero) const {
    const std::int64_t c = conteggi_[static_cast<std::size_t>(numero - 1)];
    const QString valore = ui->PercentualeBtn->isChecked()
                               ? QString::fromStdString(ludo::TestoPercentualeColonne(c, colonne_))
                               : QString::number(c);
    return valore + QLatin1Char(' ');
}

void TFrmFrequenzaNumeri::Riempi(QTableWidget& tabella, int primo, const QString& partite,
                                 const QString& frequenze) {
    std::vector<QStringList> righe;
    for (int n = primo; n < primo + NumeriTabella; ++n)
        righe.push_back({QStringLiteral("   %1").arg(n), Testo(n)});
    RiempiTabella(tabella, {partite, frequenze}, righe);
}

void TFrmFrequenzaNumeri::Aggiorna() {
    Riempi(*ui->Tabella1, 1, QStringLiteral(" Partite"), QStringLiteral(" Frequenze"));
    Riempi(*ui->Tabella2, NumeriTabella + 1, QStringLiteral("Partite"),
           QStringLiteral("Frequenze"));
    const bool perc = ui->PercentualeBtn->isChecked();
    const auto base = static_cast<std::int32_t>(std::min<std::size_t>(colonne_, INT32_MAX));
    QStringList etichette;
    GraficoAnalisi::Serie serie{QStringLiteral("Frequenze"), {}};
    for (int n = 1; n <= 32; ++n) {
        const std::int64_t c = conteggi_[static_cast<std::size_t>(n - 1)];
        etichette << QString::number(n);
        serie.valori << (perc ? ludo::PercentualeColonne(c, colonne_) : static_cast<double>(c));
    }
    const double massima = *std::max_element(serie.valori.begin(), serie.valori.end());
    ui->Grafico->Imposta(etichette, {serie}, ludo::MassimoAsse(massima, !perc, perc, base),
                         perc ? QStringLiteral("Colonne %") : QStringLiteral("Colonne"));
}

void TFrmFrequenzaNumeri::StampaClick() {
    StampaTabelleFinestra(this,
                          {{QStringLiteral("Analisi Delle Frequenze Dei Numeri"),
                            GrigliaConIntestazioni(*ui->Tabella1)},
                           {QStringLiteral("Analisi Delle Frequenze Dei Numeri"),
                            GrigliaConIntestazioni(*ui->Tabella2)}},
                          ludo::MsgImpossibileStampareTabella, NomeFilePdf);
}
