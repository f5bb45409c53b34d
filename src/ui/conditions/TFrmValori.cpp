#include "ui/conditions/TFrmValori.h"

#include <QHeaderView>
#include <QShortcut>
#include <QSignalBlocker>
#include <algorithm>

#include "core/conditions/CondizioniReali.h"
#include "core/conditions/Misure.h"
#include "core/conditions/TCondizioniSistema.h"
#include "ui/controls/TFrmMessage.h"
#include "ui/controls/TGestoreGrid.h"
#include "ui_TFrmValori.h"

const QString TFrmValori::MessaggioMenoDiOtto = QStringLiteral("Non è Possibile Selezionare Meno di 8 Partite");
const QString TFrmValori::MessaggioCompletate = QStringLiteral("Sono Automaticamente Selezionate Delle Partite");

namespace {

constexpr int kMinimoPartite = 8;
constexpr double kSommaMassima = 800;     // 8 matches of 100
constexpr double kProdottoMassimo = 100;  // a percentage

}  // namespace

TFrmValori::TFrmValori(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizioneIntervalli({"FrmValori", "Picchetti", "picchetti"}, parent),
      ui(std::make_unique<Ui::TFrmValori>()) {
    ui->setupUi(Contenuto());
    if (const auto* sistema = condizione.Proprietario) inGioco_ = sistema->Pronostico;
    CreaRighe();
    ImpostaIntervalli(ui->Intervalli, 0, kSommaMassima, false);
    connect(ui->RadioSomma, &QRadioButton::toggled, this, &TFrmValori::TipoScelto);
    connect(ui->GridSQ, &QTableWidget::cellClicked, this, &TFrmValori::CambiaPartita);
    auto* spazio = new QShortcut(QKeySequence(Qt::Key_Space), ui->GridSQ, nullptr, nullptr, Qt::WidgetShortcut);
    connect(spazio, &QShortcut::activated, this, [this] { CambiaPartita(ui->GridSQ->currentRow()); });
    SegnalaModifiche({ui->RadioSomma, ui->RadioProdotto});
    ImpostaOggetto(condizione);
}

TFrmValori::~TFrmValori() = default;

void TFrmValori::CreaRighe() {
    QTableWidget* g = ui->GridSQ;
    g->setRowCount(32);
    g->setColumnCount(2);
    g->setHorizontalHeaderLabels({QStringLiteral("Partita"), QStringLiteral("Picch.")});
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    g->verticalHeader()->setVisible(false);
    g->verticalHeader()->setDefaultSectionSize(20);
    for (int i = 0; i < 32; ++i) {
        auto* partita = new QTableWidgetItem(QString::number(i + 1));
        auto* valore = new QTableWidgetItem();
        for (QTableWidgetItem* cella : {partita, valore}) {
            // A match out of play is shown but cannot be chosen.
            cella->setFlags(InGioco(i) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
        }
        g->setItem(i, 0, partita);
        g->setItem(i, 1, valore);
    }
}

bool TFrmValori::InGioco(int partita) const { return ((inGioco_ >> partita) & 1U) != 0; }

std::array<bool, 32> TFrmValori::Partite() const {
    std::array<bool, 32> partite{};
    for (int i = 0; i < 32; ++i)
        partite[static_cast<std::size_t>(i)] = ui->GridSQ->item(i, 0)->checkState() == Qt::Checked;
    return partite;
}

void TFrmValori::MostraPartite(const std::array<bool, 32>& partite) {
    for (int i = 0; i < 32; ++i)
        ui->GridSQ->item(i, 0)->setCheckState(partite[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
}

void TFrmValori::CambiaPartita(int riga) {
    if (riga < 0 || riga >= 32 || !InGioco(riga)) return;
    QTableWidgetItem* cella = ui->GridSQ->item(riga, 0);
    const bool scelta = cella->checkState() == Qt::Checked;
    const auto partite = Partite();
    if (scelta && std::count(partite.begin(), partite.end(), true) <= kMinimoPartite) {
        Informazione(MessaggioMenoDiOtto, TFrmMessage::OK, this);
        return;
    }
    cella->setCheckState(scelta ? Qt::Unchecked : Qt::Checked);
    Modificata();
}

void TFrmValori::TipoScelto() {
    Pagine().ImpostaLimiti(0, ui->RadioSomma->isChecked() ? kSommaMassima : kProdottoMassimo, false);
}

void TFrmValori::CaricaSpecifici(const ludo::TCondizione& vista) {
    const auto& picchetto = dynamic_cast<const ludo::TPicchetto&>(vista);
    (picchetto.Tipo != 0 ? ui->RadioSomma : ui->RadioProdotto)->setChecked(true);
    TipoScelto();
    MostraPartite(picchetto.Partite);
    if (const auto* sistema = picchetto.Proprietario) {
        for (int i = 0; i < 32; ++i)
            ui->GridSQ->item(i, 1)->setText(QString::number(sistema->Picchetti[static_cast<std::size_t>(i)], 'f', 2));
    }
    TFrmCondizioneIntervalli::CaricaSpecifici(vista);
}

bool TFrmValori::MemorizzaSpecifici(ludo::TCondizione& vista) {
    auto partite = Partite();
    if (ludo::CompletaPartitePicchetto(partite, inGioco_)) {
        MostraPartite(partite);
        return Rifiuta(MessaggioCompletate);
    }
    if (!TFrmCondizioneIntervalli::MemorizzaSpecifici(vista)) return false;
    auto& picchetto = dynamic_cast<ludo::TPicchetto&>(vista);
    picchetto.Partite = partite;
    picchetto.Tipo = ui->RadioSomma->isChecked() ? 1 : 0;
    return true;
}
