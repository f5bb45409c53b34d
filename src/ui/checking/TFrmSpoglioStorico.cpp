#include "ui/checking/TFrmSpoglioStorico.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QToolButton>

#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "ui/checking/FoglioXlsx.h"
#include "ui/controls/DialoghiFile.h"
#include "ui/controls/Guida.h"
#include "ui/controls/OperazioneLunga.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui_TFrmSpoglioStorico.h"

namespace {

const QColor ColoreEvidenza(255, 255, 128);

template <std::size_t N>
void RiempiTabella(QTableWidget* tabella, const std::array<std::string, N>& intestazioni,
                   const std::vector<std::array<std::string, N>>& righe) {
    tabella->clear();
    tabella->setColumnCount(static_cast<int>(N));
    tabella->setRowCount(static_cast<int>(righe.size()));
    QStringList titoli;
    for (const auto& t : intestazioni) titoli << QString::fromStdString(t);
    tabella->setHorizontalHeaderLabels(titoli);
    for (int r = 0; r < static_cast<int>(righe.size()); ++r) {
        for (int c = 0; c < static_cast<int>(N); ++c) {
            auto* cella = new QTableWidgetItem(QString::fromStdString(
                righe[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
            cella->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            tabella->setItem(r, c, cella);
        }
    }
    tabella->resizeColumnsToContents();
}

void PreparaTabella(QTableWidget* tabella) {
    tabella->verticalHeader()->hide();
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setTabKeyNavigation(false);
    tabella->verticalHeader()->setDefaultSectionSize(tabella->fontMetrics().height() + 4);
}

}  // namespace

TFrmSpoglioStorico::TFrmSpoglioStorico(const ludo::ArchivioConcorsi& archivio,
                                       const ludo::IntervalloRicerca& intervallo,
                                       std::filesystem::path cartella, ludo::ListaColonne colonne,
                                       QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmSpoglioStorico>()),
      archivio_(archivio),
      intervallo_(intervallo),
      cartella_(std::move(cartella)),
      colonne_(std::move(colonne)) {
    ui->setupUi(this);
    for (int k = 0; k < static_cast<int>(salva_.size()); ++k)
        salva_[static_cast<std::size_t>(k)] =
            findChild<QToolButton*>(QStringLiteral("Salva%1").arg(k));
    PreparaTabella(ui->GrigliaGenerale);
    PreparaTabella(ui->GrigliaDettaglio);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    ui->LabelColonne->setText(QString::number(colonne_.Conteggio()));
    connect(ui->SalvaBtn, &QPushButton::clicked, this, &TFrmSpoglioStorico::SalvaClick);
    connect(ui->EsportaBtn, &QPushButton::clicked, this, &TFrmSpoglioStorico::EsportaClick);
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    MostraGenerale();
    MostraDettaglio();
}

TFrmSpoglioStorico::~TFrmSpoglioStorico() = default;

bool TFrmSpoglioStorico::Analizza() {
    OpzioniOperazione opzioni;
    opzioni.titolo = windowTitle();
    opzioni.testo = QString::fromUtf8(ludo::MsgAnalisiColonnare);
    opzioni.parent = parentWidget() != nullptr ? parentWidget() : this;
    auto esito = EseguiOperazioneLunga(opzioni, [this](ludo::Avanzamento& avanzamento) {
        return ludo::SpoglioStorico(colonne_, archivio_, intervallo_, avanzamento);
    });
    if (esito.Interrotto) return false;
    esito_ = std::move(esito);
    MostraGenerale();
    MostraDettaglio();
    return true;
}

std::uint16_t TFrmSpoglioStorico::PunteggiScelti() const {
    std::uint16_t punteggi = 0;
    for (std::size_t k = 0; k < salva_.size(); ++k) {
        if (salva_[k]->isChecked()) punteggi |= static_cast<std::uint16_t>(1u << k);
    }
    return punteggi;
}

void TFrmSpoglioStorico::MostraGenerale() {
    ui->LabelRisultati->setText(QString::fromStdString(ludo::TestoRisultatiConfronto(esito_)));
    const auto righe = ludo::RigheGenerali(esito_);
    RiempiTabella(ui->GrigliaGenerale, ludo::IntestazioniGenerali, righe);
    for (int r = 0; r < static_cast<int>(righe.size()); ++r) {
        if (!ludo::RigaEvidenziata(righe[static_cast<std::size_t>(r)])) continue;
        for (int c = 0; c < ui->GrigliaGenerale->columnCount(); ++c)
            ui->GrigliaGenerale->item(r, c)->setBackground(ColoreEvidenza);
    }
}

void TFrmSpoglioStorico::MostraDettaglio() {
    RiempiTabella(ui->GrigliaDettaglio, ludo::IntestazioniDettaglio, ludo::RigheDettaglio(esito_));
}

void TFrmSpoglioStorico::SalvaClick() {
    const std::uint16_t punteggi = PunteggiScelti();
    if (punteggi == 0) {
        Informazione(QString::fromUtf8(ludo::MsgSelezionarePunteggio), TFrmMessage::OK, this);
        return;
    }
    RichiestaFile r;
    r.titolo = QStringLiteral("Salva le Colonne");
    r.cartella =
        QString::fromStdString(ludo::io::resolvePath(cartella_, ludo::io::kColonne).string());
    r.filtro = QStringLiteral("Col file (*.Col)");
    r.estensione = QStringLiteral("Col");
    r.salva = true;
    const QString file = ChiediFileDaScrivere(this, r);
    if (file.isEmpty()) return;
    try {
        ludo::SalvaColonneConPunti(colonne_, esito_, punteggi, file.toStdString());
    } catch (const ludo::Errore& e) {
        Informazione(QString::fromUtf8(e.what()), TFrmMessage::OK, this);
    }
}

void TFrmSpoglioStorico::EsportaClick() {
    RichiestaFile r;
    r.titolo = QStringLiteral("Esporta");
    r.cartella = QString::fromStdString(cartella_.string());
    r.nome = QStringLiteral("SpoglioStorico.xlsx");
    r.filtro = QStringLiteral("Foglio di calcolo (*.xlsx)");
    r.estensione = QStringLiteral("xlsx");
    r.salva = true;
    const QString file = ChiediFileDaScrivere(this, r);
    if (file.isEmpty()) return;
    if (!ScriviFoglioXlsx(ludo::FoglioSpoglioStorico(esito_), file.toStdString())) {
        Informazione(QString::fromUtf8(MsgImpossibileSalvareFoglio), TFrmMessage::OK, this);
        return;
    }
    if (!ApriFoglioDiCalcolo(file))
        Informazione(QString::fromUtf8(MsgNessunProgrammaFoglio) + file, TFrmMessage::OK, this);
}
