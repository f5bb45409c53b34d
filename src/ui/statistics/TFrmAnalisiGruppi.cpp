#include "ui/statistics/TFrmAnalisiGruppi.h"

#include <QPushButton>
#include <QTableWidget>
#include <bit>

#include "core/statistics/AnalisiNumeri.h"
#include "core/system/T_Sistema.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/controls/TGBarrePunti.h"
#include "ui/statistics/TabelleStatistiche.h"
#include "ui_TFrmAnalisiGruppi.h"

TFrmAnalisiGruppi::TFrmAnalisiGruppi(ludo::T_Sistema& sistema, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmAnalisiGruppi>()), sistema_(sistema) {
    ui->setupUi(this);
    for (TPronostico* p : {ui->Numeri1_16, ui->Numeri17_32})
        connect(p, &TPronostico::Cambiato, this, &TFrmAnalisiGruppi::GruppoCambiato);
    connect(ui->CalcolaBtn, &QPushButton::clicked, this, &TFrmAnalisiGruppi::CalcolaClick);
    connect(ui->AzzeraBtn, &QPushButton::clicked, this, [this] { MostraGruppo(0); });
    connect(ui->DalPronosticoBtn, &QPushButton::clicked, this,
            [this] { MostraGruppo(sistema_.Dati->Pronostico); });
    connect(ui->AlPronosticoBtn, &QPushButton::clicked, this,
            &TFrmAnalisiGruppi::AlPronosticoClick);
    connect(ui->StampaBtn, &QPushButton::clicked, this, &TFrmAnalisiGruppi::StampaClick);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &QDialog::accept);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    GruppoCambiato();
    CalcolaClick();
}

TFrmAnalisiGruppi::~TFrmAnalisiGruppi() = default;

ludo::Colonna TFrmAnalisiGruppi::Gruppo() const {
    return ui->Numeri1_16->Colonna() | ui->Numeri17_32->Colonna();
}

void TFrmAnalisiGruppi::MostraGruppo(ludo::Colonna gruppo) {
    ui->Numeri1_16->ImpostaColonna(gruppo);
    ui->Numeri17_32->ImpostaColonna(gruppo);
    GruppoCambiato();
}

void TFrmAnalisiGruppi::GruppoCambiato() {
    ui->NumeriInseriti->setText(
        QStringLiteral("Numeri Inseriti : %1").arg(std::popcount(Gruppo())));
}

void TFrmAnalisiGruppi::CalcolaClick() {
    const auto& d = *sistema_.Dati;
    const ludo::AnalisiGruppo a =
        ludo::AnalizzaGruppo(d.Archivio, d.Config.Ricerca.Intervallo, Gruppo());
    std::vector<QStringList> righe;
    std::array<double, TGBarrePunti::NumeroBarre> uscite{};
    for (const ludo::RigaGruppo& r : a.Righe) {
        righe.push_back({QString::number(r.Punteggio), QString::number(r.Uscite),
                         QString::fromStdString(r.Frequenza), QString::number(r.RitardoAttuale),
                         QString::number(r.RitardoMassimo), QString::fromStdString(r.IC)});
        uscite[static_cast<std::size_t>(r.Punteggio)] = r.Uscite;
    }
    RiempiTabella(
        *ui->Tabella,
        {QStringLiteral("Punteggio"), QStringLiteral("Uscite"), QStringLiteral("Frequenza"),
         QStringLiteral("Rit. Att."), QStringLiteral("Rit. Max."), QStringLiteral("IC")},
        righe);
    // A row worth a look stands out as the core marks it.
    for (std::size_t r = 0; r < a.Righe.size(); ++r) {
        if (a.Righe[r].Evidenziata)
            EvidenziaCelle(*ui->Tabella, static_cast<int>(r), 0, ui->Tabella->columnCount());
    }
    ui->Tabella->resizeColumnsToContents();
    ui->Grafico->ImpostaContatori(uscite);
    ui->Esaminati->setText(QStringLiteral("Concorsi Esaminati : %1").arg(a.Esaminati));
}

void TFrmAnalisiGruppi::AlPronosticoClick() {
    if (ludo::ImpostaPronostico(sistema_, Gruppo())) pronosticoCambiato_ = true;
    Informazione(MsgCopiati, TFrmMessage::OK, this);
}

void TFrmAnalisiGruppi::StampaClick() {
    StampaTabelleFinestra(
        this, {{QStringLiteral("Analisi dei Numeri :"), GrigliaConIntestazioni(*ui->Tabella)}},
        MsgImpossibileStampareDati, NomeFilePdf);
}
