#include "ui/conditions/TFrmListaColFiltro.h"

#include "core/conditions/CondizioniNumeriche.h"
#include "ui_TFrmListaColFiltro.h"

TFrmListaColFiltro::TFrmListaColFiltro(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizione({"FrmListaColFiltro", "Colonne Filtro", "colonne-filtro"}, parent),
      ui(std::make_unique<Ui::TFrmListaColFiltro>()) {
    ui->setupUi(Contenuto());
    SegnalaModifiche({ui->CF1_16, ui->CF17_32, ui->CheckFlag});
    ImpostaOggetto(condizione);
}

TFrmListaColFiltro::~TFrmListaColFiltro() = default;

QList<TFrmCondizione::PuntiTabella> TFrmListaColFiltro::Punti() const { return {{ui->PtPunti, 0}}; }

void TFrmListaColFiltro::CaricaSpecifici(const ludo::TCondizione& vista) {
    const auto& filtro = dynamic_cast<const ludo::TColonnaFiltro&>(vista);
    ui->CF1_16->ImpostaColonna(filtro.Numeri);
    ui->CF17_32->ImpostaColonna(filtro.Numeri);
    ui->CheckFlag->setChecked(filtro.FlagPosizione != 0);
}

bool TFrmListaColFiltro::MemorizzaSpecifici(ludo::TCondizione& vista) {
    auto& filtro = dynamic_cast<ludo::TColonnaFiltro&>(vista);
    filtro.Numeri = ui->CF1_16->Colonna() | ui->CF17_32->Colonna();
    filtro.FlagPosizione = ui->CheckFlag->isChecked() ? 1 : 0;
    return true;
}
