#include "ui/statistics/TFrmAnalisiColonnare.h"

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QValueAxis>
#include <algorithm>

#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TGLegenda.h"
#include "ui/controls/TGTortaQuota.h"
#include "ui/statistics/GraficoAnalisi.h"
#include "ui/statistics/TabelleStatistiche.h"
#include "ui_TFrmAnalisiColonnare.h"

namespace {

QString Testo(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TFrmAnalisiColonnare::TFrmAnalisiColonnare(ludo::TGestoreGrDati dati, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmAnalisiColonnare>()), dati_(std::move(dati)) {
    ui->setupUi(this);
    ui->Titolo->setText(Testo(dati_.Titoli[1]));
    for (const ludo::TVista& v : dati_.Viste) ui->Vista->addItem(Testo(v.Nome));
    ui->TortaFiltrate->ImpostaLegenda(QStringLiteral("Colonne Filtrate"),
                                      QStringLiteral("Colonne Rimanenti"));
    ui->TortaStorica->ImpostaLegenda(QStringLiteral("Accettati"), QStringLiteral("Rifiutati"));
    GruppoEsclusivo({ui->SingolaBtn, ui->GlobaleBtn}, [this] { Aggiorna(); });
    GruppoEsclusivo({ui->PresBtn, ui->ConsBtn}, [this] { Aggiorna(); });
    GruppoEsclusivo({ui->PercentualeBtn, ui->ValoriBtn}, [this] { Aggiorna(); });
    connect(ui->Vista, &QComboBox::currentIndexChanged, this, [this] { Aggiorna(); });
    connect(ui->ZoomBtn, &QPushButton::toggled, this, [this] { AggiornaGrafico(); });
    connect(ui->ScrollBar, &QScrollBar::valueChanged, ui->Grafico, &GraficoAnalisi::MostraDa);
    connect(ui->StampaBtn, &QPushButton::clicked, this, &TFrmAnalisiColonnare::StampaClick);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &QDialog::accept);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    // The remembered view may not exist for this condition.
    if (ui->Vista->currentIndex() < 0) ui->Vista->setCurrentIndex(0);
    Aggiorna();
}

TFrmAnalisiColonnare::~TFrmAnalisiColonnare() = default;

bool TFrmAnalisiColonnare::Globale() const { return ui->GlobaleBtn->isChecked(); }

bool TFrmAnalisiColonnare::Percentuale() const { return ui->PercentualeBtn->isChecked(); }

bool TFrmAnalisiColonnare::Consecutivita() const { return ui->ConsBtn->isChecked(); }

std::size_t TFrmAnalisiColonnare::VistaScelta() const {
    if (Globale()) return 0;
    return static_cast<std::size_t>(
        std::clamp(ui->Vista->currentIndex(), 0, static_cast<int>(dati_.Viste.size()) - 1));
}

void TFrmAnalisiColonnare::Aggiorna() {
    ui->Vista->setEnabled(!Globale() && dati_.Viste.size() > 1);
    AggiornaTabella();
    AggiornaGrafico();
    AggiornaPannelli();
}

// One row per value; for each view analysed "Integr.", "Cond.S." and "Cond.".
void TFrmAnalisiColonnare::AggiornaTabella() {
    std::vector<std::size_t> viste;
    if (Globale()) {
        for (std::size_t i = 0; i < dati_.Viste.size(); ++i) viste.push_back(i);
    } else {
        viste.push_back(VistaScelta());
    }
    QStringList intestazioni{QStringLiteral("Valore")};
    int righe = 0;
    for (std::size_t i : viste) {
        const ludo::TVista& v = dati_.Viste[i];
        const QString nome = Globale() ? Testo(v.Nome) + QLatin1Char(' ') : QString();
        intestazioni << nome + QStringLiteral("Integr.") << nome + QStringLiteral("Cond.S.")
                     << nome + QStringLiteral("Cond.");
        righe = std::max(righe, v.NumeroRighe);
    }
    std::vector<QStringList> testi;
    for (int riga = 0; riga < righe; ++riga) {
        QStringList r;
        for (std::size_t i : viste) {
            const ludo::TVista& v = dati_.Viste[i];
            const QStringList celle =
                riga < v.NumeroRighe
                    ? Riga(ludo::CelleColonnari(v, riga, Percentuale(), Consecutivita()))
                    : QStringList(4);
            if (r.isEmpty()) r << celle[0];
            r << celle.mid(1);
        }
        testi.push_back(r);
    }
    RiempiTabella(*ui->Tabella, intestazioni, testi);
    // The values the condition accepts, in the table of the statistic read.
    for (std::size_t i = 0; i < viste.size(); ++i) {
        const ludo::TVista& v = dati_.Viste[viste[i]];
        for (int riga = 0; riga < v.NumeroRighe; ++riga) {
            if (ludo::RigaAccettata(v, riga, Consecutivita()))
                EvidenziaCelle(*ui->Tabella, riga, 1 + 3 * static_cast<int>(i), 3);
        }
    }
    ui->Tabella->resizeColumnsToContents();
}

void TFrmAnalisiColonnare::AggiornaGrafico() {
    const ludo::TVista& v = dati_.Viste[VistaScelta()];
    const bool perc = Percentuale();
    const bool cons = Consecutivita();
    const std::int32_t integrali = v.Integrale.NumConcorsi();
    QStringList etichette;
    for (int riga = 0; riga < v.NumeroRighe; ++riga)
        etichette << Testo(ludo::EtichettaRiga(v, riga));
    QList<GraficoAnalisi::Serie> serie;
    QList<TGLegenda::Voce> voci;
    double massima = 0;
    auto aggiungi = [&](const QString& nome, const ludo::T_FrequenzeRitardi& tabella) {
        GraficoAnalisi::Serie s{nome, {}};
        for (int riga = 0; riga < v.NumeroRighe; ++riga) {
            s.valori << ludo::ValoreBarra(v, tabella, riga, perc, cons, integrali);
            massima = std::max(massima, s.valori.back());
        }
        voci << TGLegenda::Voce{GraficoAnalisi::Colore(static_cast<int>(serie.size())), nome};
        serie << s;
    };
    // "Cons." of a measure without runs has nothing to draw.
    if (!cons || v.HaConsecutivita) {
        aggiungi(LegendaIntegrale, v.Integrale);
        aggiungi(LegendaSingola, v.Singola);
        if (v.MostraTenute) aggiungi(LegendaTenute, v.Tenute);
    }
    const QString asse =
        perc ? QStringLiteral("Numero Di Colonne %") : QStringLiteral("Numero Di Colonne");
    ui->Grafico->Imposta(etichette, serie,
                         ludo::MassimoAsse(massima, ui->ZoomBtn->isChecked(), perc, integrali),
                         asse);
    ui->Grafico->AsseValori()->setTickCount(11);
    ui->ScrollBar->setRange(0, ui->Grafico->UltimoPrimo());
    ui->ScrollBar->setPageStep(ui->Grafico->Visibili());
    ui->ScrollBar->setVisible(ui->Grafico->UltimoPrimo() > 0);
    ui->Legenda->ImpostaVoci(voci);
    ui->Legenda->setNumPoint(static_cast<int>(voci.size()));
}

void TFrmAnalisiColonnare::AggiornaPannelli() {
    const ludo::PannelliVista p = ludo::CalcolaPannelli(dati_, VistaScelta(), Consecutivita());
    ui->TortaFiltrate->ImpostaQuota(p.Filtrate);
    ui->TortaStorica->ImpostaQuota(p.FrequenzaStorica);
    ui->Convenienza->setText(
        Testo(ludo::EtichettaConvenienza(ui->Convenienza->text().toStdString(), p)));
}

void TFrmAnalisiColonnare::StampaClick() {
    StampaTabelleFinestra(this, {{Testo(dati_.Titoli[1]), GrigliaConIntestazioni(*ui->Tabella)}},
                          MsgImpossibileStampareTabelle, NomeFilePdf);
}
