#include "ui/archive/TFrmConcorso.h"

#include <QPushButton>

#include "ui/archive/CaselleIntervallo.h"
#include "ui/controls/Guida.h"
#include "ui/controls/RicordaFinestra.h"
#include "ui/controls/TFrmMessage.h"
#include "ui_TFrmConcorso.h"

TFrmConcorso::TFrmConcorso(const ludo::ArchivioConcorsi& archivio, const ludo::T_Concorso& concorso,
                           bool aggiunta, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFrmConcorso>()),
      archivio_(archivio),
      concorso_(concorso),
      aggiunta_(aggiunta) {
    ui->setupUi(this);
    PreparaStagione(*ui->SEAnno, *ui->LabelPrimoAnno);
    PreparaNumeroConcorso(*ui->SEConcorso);
    RicordaFinestra(*this);
    AiutoFinestra(*this, PaginaGuida);
    ImpostaOggetto();
    connect(ui->OKBtn, &QPushButton::clicked, this, &TFrmConcorso::OKBtnClick);
    connect(ui->AnnullaBtn, &QPushButton::clicked, this, &TFrmConcorso::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, [this] { ApriGuida(this, PaginaGuida); });
}

TFrmConcorso::~TFrmConcorso() = default;

void TFrmConcorso::ImpostaOggetto() {
    switch (concorso_.TipoConcorso) {
        case ludo::SerieB:
            ui->RBSerieB->setChecked(true);
            break;
        case ludo::SerieC:
            ui->RBSerieC->setChecked(true);
            break;
        case ludo::Altri:
            ui->RBAltri->setChecked(true);
            break;
        default:
            ui->RBSerieA->setChecked(true);
            break;
    }
    MostraStagione(*ui->SEAnno, concorso_.Anno);
    ui->SEConcorso->setValue(concorso_.NumConcorso);
    ui->Pronostico1->ImpostaColonna(concorso_.Vincente);
    ui->Pronostico2->ImpostaColonna(concorso_.Vincente);
}

ludo::T_Concorso TFrmConcorso::AcquisisceForm() const {
    ludo::T_Concorso c;
    c.TipoConcorso = ui->RBSerieB->isChecked()   ? ludo::SerieB
                     : ui->RBSerieC->isChecked() ? ludo::SerieC
                     : ui->RBAltri->isChecked()  ? ludo::Altri
                                                 : ludo::SerieA;
    // The boxes take no more than a contest can hold.
    c.Anno = static_cast<std::uint16_t>(AnnoDi(*ui->SEAnno));
    c.NumConcorso = static_cast<std::uint8_t>(ui->SEConcorso->value());
    c.Vincente = ui->Pronostico1->Colonna() | ui->Pronostico2->Colonna();
    return c;
}

void TFrmConcorso::OKBtnClick() {
    const ludo::T_Concorso c = AcquisisceForm();
    if (const auto errore = ludo::VerificaConcorso(c, aggiunta_, archivio_)) {
        Informazione(QString::fromStdString(*errore), TFrmMessage::OK, this);
        return;
    }
    concorso_ = c;
    accept();
}
