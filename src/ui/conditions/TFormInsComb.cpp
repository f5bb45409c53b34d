#include "ui/conditions/TFormInsComb.h"

#include <QPushButton>

#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/TQuadro.h"
#include "core/statistics/ColonneFiltroInserite.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TGGraphpt.h"
#include "ui_TFormInsComb.h"

namespace {

const QString PaginaGuida = QStringLiteral("inserimento-fisse");

}  // namespace

TFormInsComb::TFormInsComb(ludo::TQuadro& quadro, std::vector<ludo::TFisse> classifica, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormInsComb>()), quadro_(quadro), classifica_(std::move(classifica)) {
    ui->setupUi(this);
    // Each bound keeps the other in order: "Iniziale" up to "Finale",
    // "Finale" from "Iniziale" to the last candidate.
    const int candidati = std::max(1, static_cast<int>(classifica_.size()));
    ui->SEIniziale->setRange(1, 1);
    ui->SEFinale->setRange(1, candidati);
    connect(ui->SEFinale, &QSpinBox::valueChanged, ui->SEIniziale, [this](int v) { ui->SEIniziale->setMaximum(v); });
    connect(ui->SEIniziale, &QSpinBox::valueChanged, ui->SEFinale, [this](int v) { ui->SEFinale->setMinimum(v); });
    ui->GrPunti->CaricaMisura(ludo::TColonnaFiltro(nullptr).Tabelle[0]);
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFormInsComb::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFormInsComb::reject);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    AiutoFinestra(*this, PaginaGuida);
    RicordaFinestra(*this);
    ui->OKBtn->setEnabled(!classifica_.empty());
}

TFormInsComb::~TFormInsComb() = default;

void TFormInsComb::OKBtnClick() {
    ludo::TColonnaFiltro modello(nullptr);
    ui->GrPunti->SalvaMisura(modello.Tabelle[0]);
    const auto colonne = ludo::ColonneDaFisse(classifica_, static_cast<std::size_t>(ui->SEIniziale->value()),
                                              static_cast<std::size_t>(ui->SEFinale->value()));
    inserite_ = quadro_.InserisciColonneFiltro(colonne, modello.Tabelle[0], false);
    accept();
}
