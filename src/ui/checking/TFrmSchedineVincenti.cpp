#include "ui/checking/TFrmSchedineVincenti.h"

#include <QToolButton>

#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui_TFrmSchedineVincenti.h"

TFrmSchedineVincenti::TFrmSchedineVincenti(const ludo::ListaColonne& colonne,
                                           ludo::Colonna vincente, const ludo::Punteggi& punti,
                                           QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmSchedineVincenti>()),
      colonne_(colonne),
      vincente_(vincente) {
    ui->setupUi(this);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    for (int k = 0; k < static_cast<int>(pulsanti_.size()); ++k) {
        QToolButton* pulsante = findChild<QToolButton*>(QStringLiteral("Punti%1").arg(k));
        pulsanti_[static_cast<std::size_t>(k)] = pulsante;
        pulsante->setEnabled(punti[static_cast<std::size_t>(k)] > 0);
        connect(pulsante, &QToolButton::clicked, this, [this, k] { Scegli(k); });
    }
    connect(ui->ChiudiBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->AiutoBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
    Scegli(ludo::PunteggioPiuAlto(punti));
}

TFrmSchedineVincenti::~TFrmSchedineVincenti() = default;

void TFrmSchedineVincenti::Scegli(int punti) {
    scelto_ = punti;
    if (punti < 0) {
        ui->Schedine->ImpostaSchedine({});
        ui->LabelConteggio->setText(QStringLiteral("Nessuna colonna vincente"));
        return;
    }
    pulsanti_[static_cast<std::size_t>(punti)]->setChecked(true);
    ui->Schedine->ImpostaSchedine(ludo::SchedineVincenti(colonne_, vincente_, punti));
    ui->LabelConteggio->setText(QStringLiteral("Schedine con %1 punti o più: %2")
                                    .arg(punti)
                                    .arg(ui->Schedine->Schedine().size()));
}
