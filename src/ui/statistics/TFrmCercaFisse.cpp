#include "ui/statistics/TFrmCercaFisse.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include "ui/conditions/TFormInsComb.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/statistics/TabelleStatistiche.h"
#include "ui_TFrmCercaFisse.h"

TFrmCercaFisse::TFrmCercaFisse(const ludo::ArchivioConcorsi& archivio,
                               const ludo::IntervalloRicerca& intervallo, QWidget* parent,
                               ludo::TQuadro* quadro)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmCercaFisse>()),
      archivio_(archivio),
      intervallo_(intervallo),
      quadro_(quadro) {
    ui->setupUi(this);
    GruppoEsclusivo({ui->Fisse1Btn, ui->Fisse2Btn, ui->Fisse3Btn}, [this] { Calcola(); });
    GruppoEsclusivo({ui->OrdineICBtn, ui->OrdineFrequenzaBtn, ui->OrdineRitardoBtn},
                    [this] { Calcola(); });
    connect(ui->StampaBtn, &QPushButton::clicked, this, &TFrmCercaFisse::StampaClick);
    ui->InserisciBtn->setVisible(quadro_ != nullptr);
    connect(ui->InserisciBtn, &QPushButton::clicked, this, &TFrmCercaFisse::InserisciClick);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &QDialog::accept);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    // Every opening starts from single numbers ranked by IC.
    ui->Fisse1Btn->setChecked(true);
    ui->OrdineICBtn->setChecked(true);
    Calcola();
}

TFrmCercaFisse::~TFrmCercaFisse() = default;

int TFrmCercaFisse::Quante() const {
    if (ui->Fisse3Btn->isChecked()) return 3;
    return ui->Fisse2Btn->isChecked() ? 2 : 1;
}

ludo::OrdineFisse TFrmCercaFisse::Ordine() const {
    if (ui->OrdineFrequenzaBtn->isChecked()) return ludo::OrdineFisse::Frequenza;
    if (ui->OrdineRitardoBtn->isChecked()) return ludo::OrdineFisse::Ritardo;
    return ludo::OrdineFisse::IC;
}

void TFrmCercaFisse::Calcola() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    classifica_ = ludo::CercaFisse(archivio_, intervallo_, Quante(), Ordine());
    std::vector<QStringList> righe;
    righe.reserve(classifica_.size());
    for (std::size_t i = 0; i < classifica_.size(); ++i)
        righe.push_back(Riga(ludo::CelleFisse(classifica_[i], i + 1)));
    RiempiTabella(*ui->Tabella,
                  {QString(), QStringLiteral("  Fisse"), QStringLiteral("Fr."),
                   QStringLiteral("Rit."), QStringLiteral(" IC")},
                  righe);
    const int riga = ui->Tabella->verticalHeader()->defaultSectionSize();
    ui->Tabella->setMinimumHeight(riga * RigheVisibili + ui->Tabella->horizontalHeader()->height() +
                                  2 * ui->Tabella->frameWidth());
    QApplication::restoreOverrideCursor();
}

void TFrmCercaFisse::StampaClick() {
    static const char* const titoli[] = {"Stampa delle fisse più probabili",
                                         "Stampa delle combinazioni di due numeri più probabili",
                                         "Stampa delle combinazioni di tre numeri più probabili"};
    const QString titolo = QString::fromUtf8(titoli[Quante() - 1]);
    const QStringList intestazioni{QString(), QStringLiteral("Fisse"), QStringLiteral("Frequenza"),
                                   QStringLiteral("Ritardo"), QStringLiteral("IC")};
    StampaTabelleFinestra(this, {{titolo, GrigliaConIntestazioni(*ui->Tabella, intestazioni)}},
                          MsgImpossibileStampareTabelle, NomeFilePdf);
}

void TFrmCercaFisse::InserisciClick() {
    TFormInsComb finestra(*quadro_, classifica_, this);
    finestra.exec();
}
