#include "ui/conditions/TFormListaSomme.h"

#include "core/conditions/CondizioniReali.h"
#include "core/conditions/Misure.h"
#include "ui_TFormListaSomme.h"

namespace {

constexpr ludo::Colonna kTutte = ~ludo::Colonna{0};
constexpr ludo::Colonna kDispari = 0x55555555U;  // 1, 3, 5, … (bit n-1 for number n)
constexpr ludo::Colonna kPari = ~kDispari;
// The sum of all 32 numbers: no sum can pass it.
constexpr double kSommaMassima = 528;

}  // namespace

TFormListaSomme::TFormListaSomme(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizioneIntervalli({"FormListaSomme", "Somme", "somme"}, parent),
      ui(std::make_unique<Ui::TFormListaSomme>()) {
    ui->setupUi(Contenuto());
    ImpostaIntervalli(ui->Intervalli, 0, kSommaMassima, true);
    connect(ui->TuttiBtn, &QPushButton::clicked, this, [this] { ScegliPartite(kTutte); });
    connect(ui->PariBtn, &QPushButton::clicked, this, [this] { ScegliPartite(kPari); });
    connect(ui->DispariBtn, &QPushButton::clicked, this, [this] { ScegliPartite(kDispari); });
    connect(ui->AzzeraPartiteBtn, &QPushButton::clicked, this, [this] { ScegliPartite(0); });
    for (TPronostico* p : {ui->Par1_16, ui->Par17_32})
        connect(p, &TPronostico::Cambiato, this, &TFormListaSomme::MostraPossibili);
    SegnalaModifiche({ui->Par1_16, ui->Par17_32});
    ImpostaOggetto(condizione);
}

TFormListaSomme::~TFormListaSomme() = default;

ludo::Colonna TFormListaSomme::Partite() const {
    return ui->Par1_16->Colonna() | ui->Par17_32->Colonna();
}

void TFormListaSomme::ScegliPartite(ludo::Colonna partite) {
    if (partite == Partite()) return;
    ui->Par1_16->ImpostaColonna(partite);
    ui->Par17_32->ImpostaColonna(partite);
    MostraPossibili();
    Modificata();
}

void TFormListaSomme::MostraPossibili() {
    const ludo::SommaPossibile s = ludo::SommaPossibileDi(Partite());
    ui->PanelMinimo->setText(QString::number(s.minimo));
    ui->PanelMassimo->setText(QString::number(s.massimo));
}

void TFormListaSomme::CaricaSpecifici(const ludo::TCondizione& vista) {
    const ludo::Colonna partite = dynamic_cast<const ludo::TSomma&>(vista).Partite;
    ui->Par1_16->ImpostaColonna(partite);
    ui->Par17_32->ImpostaColonna(partite);
    MostraPossibili();
    TFrmCondizioneIntervalli::CaricaSpecifici(vista);
}

bool TFormListaSomme::MemorizzaSpecifici(ludo::TCondizione& vista) {
    if (!TFrmCondizioneIntervalli::MemorizzaSpecifici(vista)) return false;
    dynamic_cast<ludo::TSomma&>(vista).Partite = Partite();
    return true;
}
