#include "ui/conditions/TFrmSequela.h"

#include <QButtonGroup>
#include <algorithm>

#include "core/conditions/CondizioniSchema.h"
#include "ui_TFrmSequela.h"

const QString TFrmSequela::MessaggioLunghezza =
    QStringLiteral("La Lunghezza della Sequela è Inferiore a Due.");
const QString TFrmSequela::MessaggioContigua = QStringLiteral("La Sequela Non è Contigua.");

namespace {

int Riempite(const Sequela& sequela) {
    return static_cast<int>(std::count_if(sequela.begin(), sequela.end(),
                                          [](std::uint8_t segno) { return segno != 0; }));
}

}  // namespace

TFrmSequela::TFrmSequela(ludo::TCondizione& condizione, QWidget* parent)
    : TFrmCondizione({"FrmSequela", "Sequele", "sequele"}, parent),
      ui(std::make_unique<Ui::TFrmSequela>()),
      tipi_(new QButtonGroup(this)) {
    ui->setupUi(Contenuto());
    int tipo = 1;
    const QList<QAbstractButton*> tipi = {ui->SpeedParticolare, ui->SpeedMonoT, ui->SpeedBiT,
                                          ui->SpeedGenerica, ui->SpeedSpecchio};
    for (QAbstractButton* b : tipi) {
        tipi_->addButton(b, tipo++);
    }
    connect(ui->EditSequela, &TGEditColonna::OnModificato, this, &TFrmSequela::SequelaScritta);
    CollegaPassi();
    SegnalaModifiche({ui->SpeedParticolare, ui->SpeedMonoT, ui->SpeedBiT, ui->SpeedGenerica,
                      ui->SpeedSpecchio, ui->SpinLunghezza, ui->SpinPassoT, ui->SpinPassoNT});
    ImpostaOggetto(condizione);
}

TFrmSequela::~TFrmSequela() = default;

void TFrmSequela::CollegaPassi() {
    const QList<QAbstractButton*> passi = {ui->SpeedPasso2, ui->Speedpasso3, ui->Speedpasso4,
                                           ui->Speedpasso5};
    for (int i = 0; i < passi.size(); ++i) {
        connect(passi[i], &QAbstractButton::clicked, this,
                [this, passo = i + 2] { ui->SpinPassoT->setValue(passo); });
    }
    connect(ui->SpeedpassoN, &QAbstractButton::clicked, this,
            [this] { ui->SpinPassoT->setValue(ui->SpinLunghezza->value()); });
    connect(ui->SpeedpassoX, &QAbstractButton::clicked, this, [this] {
        ui->SpinPassoT->setValue(1);
        ui->SpinPassoNT->setValue(1);
    });
}

QList<TFrmCondizione::PuntiTabella> TFrmSequela::Punti() const { return {{ui->PtPresenze, 0}}; }

bool TFrmSequela::Particolare() const { return tipi_->checkedId() == 1; }

void TFrmSequela::SequelaScritta() {
    if (!ui->EditSequela->Modificato()) return;
    Sequela sequela{};
    ui->EditSequela->LeggiSequela(sequela);
    if (const int riempite = Riempite(sequela); riempite > 0) ui->SpinLunghezza->setValue(riempite);
    Modificata();
}

void TFrmSequela::CaricaSpecifici(const ludo::TCondizione& vista) {
    const ludo::ParametriSequela& p = dynamic_cast<const ludo::TSequela&>(vista).Parametri;
    if (QAbstractButton* tipo = tipi_->button(p.tipo)) tipo->setChecked(true);
    ui->SpinLunghezza->setValue(p.lunghezza);
    ui->SpinPassoT->setValue(p.passoTrovata);
    ui->SpinPassoNT->setValue(p.passoNonTrovata);
    ui->EditSequela->ImpostaSequela(p.sequela);
}

bool TFrmSequela::MemorizzaSpecifici(ludo::TCondizione& vista) {
    // Stored, the box is titled as it always was; before the statistics,
    // as every other check.
    const QString titolo =
        PerLeStatistiche() ? QStringLiteral("Informazione") : QStringLiteral("Infomazione");
    Sequela sequela{};
    const bool contigua = ui->EditSequela->LeggiSequela(sequela);
    if (Particolare() && !contigua) return Rifiuta(MessaggioContigua, titolo);
    const int lunghezza = ui->SpinLunghezza->value();
    if (lunghezza < 2) return Rifiuta(MessaggioLunghezza, titolo);
    ludo::ParametriSequela& p = dynamic_cast<ludo::TSequela&>(vista).Parametri;
    p.tipo = tipi_->checkedId();
    p.lunghezza = lunghezza;
    p.passoTrovata = ui->SpinPassoT->value();
    p.passoNonTrovata = ui->SpinPassoNT->value();
    p.sequela = sequela;
    return true;
}
