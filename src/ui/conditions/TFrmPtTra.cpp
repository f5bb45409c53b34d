#include "ui/conditions/TFrmPtTra.h"

#include <QSignalBlocker>
#include <algorithm>

#include "core/conditions/TPuntiTra.h"
#include "ui/controls/TGestoreGrid.h"
#include "ui_TFrmPtTra.h"

namespace {

// A group's total is a sum of measure values.
constexpr double kTotaleMassimo = 10000;

ludo::TIntervalli& Gruppo(ludo::TCondizione& vista, int gruppo) {
    return dynamic_cast<ludo::TPuntiTra&>(vista).Gruppi.at(static_cast<std::size_t>(gruppo));
}

}  // namespace

TFrmPtTra::TFrmPtTra(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizione({"FrmPtTra", "Punti Tra", "punti-tra"}, parent), ui(std::make_unique<Ui::TFrmPtTra>()) {
    ui->setupUi(Contenuto());
    ui->Intervalli->ImpostaLimiti(0, kTotaleMassimo, true);
    connect(ui->Intervalli, &TGestoreGrid::Cambiato, this, &TFrmPtTra::Modificata);
    connect(ui->EditTra, &QSpinBox::valueChanged, this, &TFrmPtTra::GruppoScelto);
    ImpostaOggetto(condizione);
}

TFrmPtTra::~TFrmPtTra() = default;

void TFrmPtTra::MostraGruppo(const ludo::TCondizione& vista) {
    const auto& puntiTra = dynamic_cast<const ludo::TPuntiTra&>(vista);
    ui->Intervalli->ScriviIntervalli(puntiTra.Gruppi.at(static_cast<std::size_t>(gruppo_)));
    ui->ListBoxCond->clear();
    for (const std::string& nome : puntiTra.CondizioniNelGruppo(gruppo_))
        ui->ListBoxCond->addItem(QString::fromStdString(nome));
}

bool TFrmPtTra::MemorizzaGruppo(ludo::TCondizione& vista) {
    ludo::TIntervalli letti;
    if (!ui->Intervalli->LeggiIntervalli(letti)) return false;
    letti.Link = ui->Intervalli->Link();
    Gruppo(vista, gruppo_) = letti;
    return true;
}

void TFrmPtTra::GruppoScelto(int gruppo) {
    if (!VisteCaricate() || gruppo == gruppo_) return;
    if (!MemorizzaGruppo(Mostrata())) {
        const QSignalBlocker blocca(ui->EditTra);
        ui->EditTra->setValue(gruppo_);
        return;
    }
    gruppo_ = gruppo;
    MostraGruppo(Mostrata());
}

void TFrmPtTra::CaricaSpecifici(const ludo::TCondizione& vista) {
    const QSignalBlocker blocca(ui->EditTra);
    ui->EditTra->setValue(gruppo_);
    MostraGruppo(vista);
}

bool TFrmPtTra::MemorizzaSpecifici(ludo::TCondizione& vista) {
    if (!MemorizzaGruppo(vista)) return false;
    auto& puntiTra = dynamic_cast<ludo::TPuntiTra&>(vista);
    const bool qualcuno = std::any_of(puntiTra.Gruppi.begin() + 1, puntiTra.Gruppi.end(),
                                      [](const ludo::TIntervalli& g) { return g.Numero > 0; });
    return qualcuno || Rifiuta(TGestoreGrid::MessaggioNessunIntervallo);
}

void TFrmPtTra::AzzeraSpecifici(ludo::TCondizione& vista) {
    for (int g = 1; g <= ludo::TPuntiTra::NumeroGruppi; ++g) Gruppo(vista, g) = ludo::TIntervalli{};
    ui->Intervalli->Svuota();
}
