#include "ui/statistics/TFrmAnalisiStorica.h"

#include <QBarSeries>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TGLegenda.h"
#include "ui/statistics/GraficoAnalisi.h"
#include "ui/statistics/TabelleStatistiche.h"
#include "ui_TFrmAnalisiStorica.h"

namespace {

bool QualcunaConsecutiva(const ludo::TGestoreGrDati& dati) {
    return std::any_of(dati.Viste.begin(), dati.Viste.end(),
                       [](const ludo::TVista& v) { return v.HaConsecutivita; });
}

QString Testo(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TFrmAnalisiStorica::TFrmAnalisiStorica(ludo::TGestoreGrDati dati, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmAnalisiStorica>()), dati_(std::move(dati)) {
    ui->setupUi(this);
    ui->Titolo->setText(Testo(dati_.Titoli[0]));
    const bool cons = QualcunaConsecutiva(dati_);
    ui->ConsBtn->setEnabled(cons);
    ui->ConsRitBtn->setEnabled(cons);
    GruppoEsclusivo({ui->GraficoBtn, ui->TabellaBtn},
                    [this] { ui->Viste->setCurrentIndex(ui->TabellaBtn->isChecked() ? 1 : 0); });
    GruppoEsclusivo({ui->PercentualeBtn, ui->ValoriBtn}, [this] { AggiornaFrequenze(); });
    GruppoEsclusivo({ui->PresBtn, ui->ConsBtn}, [this] { AggiornaFrequenze(); });
    GruppoEsclusivo({ui->PuntiBtn, ui->ConsRitBtn}, [this] { AggiornaRitardi(); });
    connect(ui->ZoomBtn, &QPushButton::toggled, this, [this] { AggiornaGrafico(); });
    connect(ui->ScrollBar, &QScrollBar::valueChanged, ui->Grafico, &GraficoAnalisi::MostraDa);
    connect(ui->StampaBtn, &QPushButton::clicked, this, &TFrmAnalisiStorica::StampaClick);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &QDialog::accept);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    // A remembered "Cons." means nothing for a condition without runs.
    if (!cons) {
        ui->PresBtn->setChecked(true);
        ui->PuntiBtn->setChecked(true);
    }
    ui->Viste->setCurrentIndex(ui->TabellaBtn->isChecked() ? 1 : 0);
    AggiornaFrequenze();
    AggiornaRitardi();
}

TFrmAnalisiStorica::~TFrmAnalisiStorica() = default;

bool TFrmAnalisiStorica::Percentuale() const { return ui->PercentualeBtn->isChecked(); }

bool TFrmAnalisiStorica::Consecutivita() const { return ui->ConsBtn->isChecked(); }

const ludo::TVista& TFrmAnalisiStorica::VistaPiuLunga() const {
    return *std::max_element(
        dati_.Viste.begin(), dati_.Viste.end(),
        [](const ludo::TVista& a, const ludo::TVista& b) { return a.NumeroRighe < b.NumeroRighe; });
}

QStringList TFrmAnalisiStorica::Etichette() const {
    const ludo::TVista& v = VistaPiuLunga();
    QStringList etichette;
    for (int riga = 0; riga < v.NumeroRighe; ++riga)
        etichette << Testo(ludo::EtichettaRiga(v, riga));
    return etichette;
}

// The table shows, for each view, the frequency of its values present and,
// when it has runs, of their runs; the chart the statistic chosen.
void TFrmAnalisiStorica::AggiornaFrequenze() {
    const bool perc = Percentuale();
    QStringList intestazioni{QStringLiteral("Valore")};
    for (const ludo::TVista& v : dati_.Viste) {
        const QString nome = Testo(v.Nome);
        if (v.HaConsecutivita)
            intestazioni << nome + QStringLiteral(" Punti") << nome + QStringLiteral(" Cons.");
        else
            intestazioni << nome;
    }
    const QStringList etichette = Etichette();
    std::vector<QStringList> righe;
    for (int riga = 0; riga < etichette.size(); ++riga) {
        QStringList r{etichette[riga]};
        for (const ludo::TVista& v : dati_.Viste) {
            const bool c = riga < v.NumeroRighe;
            r << (c ? Testo(ludo::CellaFrequenza(v, riga, perc, false)) : QString());
            if (v.HaConsecutivita)
                r << (c ? Testo(ludo::CellaFrequenza(v, riga, perc, true)) : QString());
        }
        righe.push_back(r);
    }
    RiempiTabella(*ui->TabellaFrequenze, intestazioni, righe);
    AggiornaGrafico();
}

void TFrmAnalisiStorica::AggiornaGrafico() {
    const bool perc = Percentuale();
    const bool cons = Consecutivita();
    const QStringList etichette = Etichette();
    QList<GraficoAnalisi::Serie> serie;
    QList<TGLegenda::Voce> voci;
    double massima = 0;
    std::int32_t contati = 0;
    for (const ludo::TVista& v : dati_.Viste) {
        if (cons && !v.HaConsecutivita) continue;
        contati = std::max(contati, v.Archivio.NumConcorsi());
        GraficoAnalisi::Serie s{Testo(v.Nome), {}};
        for (int riga = 0; riga < etichette.size(); ++riga) {
            const double valore =
                riga < v.NumeroRighe
                    ? ludo::ValoreBarra(v, v.Archivio, riga, perc, cons, v.Archivio.NumConcorsi())
                    : 0.0;
            s.valori << valore;
            massima = std::max(massima, valore);
        }
        voci << TGLegenda::Voce{GraficoAnalisi::Colore(static_cast<int>(serie.size())), s.nome};
        serie << s;
    }
    const QString asse = perc ? QStringLiteral("Concorsi %") : QStringLiteral("Concorsi");
    ui->Grafico->Imposta(etichette, serie,
                         ludo::MassimoAsse(massima, ui->ZoomBtn->isChecked(), perc, contati), asse);
    ui->ScrollBar->setRange(0, ui->Grafico->UltimoPrimo());
    ui->ScrollBar->setPageStep(ui->Grafico->Visibili());
    ui->ScrollBar->setVisible(ui->Grafico->UltimoPrimo() > 0);
    ui->Legenda->ImpostaVoci(voci);
    ui->Legenda->setNumPoint(static_cast<int>(voci.size()));
}

void TFrmAnalisiStorica::AggiornaRitardi() {
    const bool cons = ui->ConsRitBtn->isChecked();
    QStringList intestazioni{QStringLiteral("Valore")};
    for (const ludo::TVista& v : dati_.Viste) {
        const QString nome = Testo(v.Nome) + QLatin1Char(' ');
        intestazioni << nome + QStringLiteral("Att.") << nome + QStringLiteral(" Max")
                     << nome + QStringLiteral("  IC");
    }
    const QStringList etichette = Etichette();
    std::vector<QStringList> righe;
    for (int riga = 0; riga < etichette.size(); ++riga) {
        QStringList r{etichette[riga]};
        for (std::size_t i = 0; i < dati_.Viste.size(); ++i) {
            if (riga < dati_.Viste[i].NumeroRighe)
                r << Riga(ludo::CelleRitardi(dati_, i, riga, cons)).mid(1);
            else
                r << QString() << QString() << QString();
        }
        righe.push_back(r);
    }
    RiempiTabella(*ui->TabellaRitardi, intestazioni, righe);
}

void TFrmAnalisiStorica::StampaClick() {
    StampaTabelleFinestra(this,
                          {{Testo(dati_.Titoli[3]), GrigliaConIntestazioni(*ui->TabellaFrequenze)},
                           {Testo(dati_.Titoli[2]), GrigliaConIntestazioni(*ui->TabellaRitardi)}},
                          MsgImpossibileStampareTabelle, NomeFilePdf);
}
