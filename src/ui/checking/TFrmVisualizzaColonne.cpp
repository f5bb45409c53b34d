#include "ui/checking/TFrmVisualizzaColonne.h"

#include "core/checking/Spoglio.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui_TFrmVisualizzaColonne.h"

TFrmVisualizzaColonne::TFrmVisualizzaColonne(const ludo::ListaColonne& colonne, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmVisualizzaColonne>()) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    ui->Schedine->ImpostaSchedine(ludo::SchedineDiSei(colonne));
    ui->LabelConteggio->setText(QStringLiteral("Colonne: %1   Schedine: %2")
                                    .arg(colonne.Conteggio())
                                    .arg(ui->Schedine->Schedine().size()));
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
}

TFrmVisualizzaColonne::~TFrmVisualizzaColonne() = default;
