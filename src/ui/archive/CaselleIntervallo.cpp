#include "ui/archive/CaselleIntervallo.h"

#include <QLabel>
#include <QSignalBlocker>

#include "ui/controls/TGSpinEdit.h"

namespace {

// A contest keeps its first year as a byte over 1900, its number in a byte.
constexpr int PrimoAnnoScrivibile = 1900;
constexpr int UltimoAnnoScrivibile = PrimoAnnoScrivibile + 255;
constexpr int UltimoNumeroScrivibile = 255;

}  // namespace

void PreparaStagione(TGSpinEdit& secondoAnno, QLabel& primoAnno) {
    secondoAnno.setRange(PrimoAnnoScrivibile + 1, UltimoAnnoScrivibile + 1);
    secondoAnno.ImpostaLimitiFrecce(ludo::PrimoAnnoStagione + 1, ludo::UltimoAnnoStagione + 1);
    QObject::connect(&secondoAnno, &QSpinBox::valueChanged, &primoAnno, [&primoAnno](int secondo) {
        primoAnno.setText(QString::number(secondo - 1));
    });
    primoAnno.setText(QString::number(secondoAnno.value() - 1));
}

void PreparaNumeroConcorso(TGSpinEdit& numero) {
    numero.setRange(0, UltimoNumeroScrivibile);
    numero.ImpostaLimitiFrecce(ludo::PrimoNumeroConcorso, ludo::UltimoNumeroConcorso);
}

void MostraStagione(TGSpinEdit& secondoAnno, int anno) { secondoAnno.setValue(anno + 1); }

int AnnoDi(const TGSpinEdit& secondoAnno) { return secondoAnno.value() - 1; }

CaselleIntervallo::CaselleIntervallo(const Caselle& caselle, const ludo::ArchivioConcorsi& archivio,
                                     QObject* parent)
    : QObject(parent), c_(caselle), archivio_(archivio) {
    PreparaStagione(*c_.annoDa, *c_.primoAnnoDa);
    PreparaStagione(*c_.annoA, *c_.primoAnnoA);
    for (TGSpinEdit* anno : {c_.annoDa, c_.annoA}) {
        anno->ImpostaLimitiFrecce(archivio.PrimoAnno() + 1, archivio.UltimoAnno() + 1);
    }
    PreparaNumeroConcorso(*c_.concDa);
    PreparaNumeroConcorso(*c_.concA);
    const std::pair<TGSpinEdit*, ludo::CampoIntervallo> campi[] = {
        {c_.annoDa, ludo::CampoIntervallo::AnnoDa},
        {c_.concDa, ludo::CampoIntervallo::ConcDa},
        {c_.annoA, ludo::CampoIntervallo::AnnoA},
        {c_.concA, ludo::CampoIntervallo::ConcA},
    };
    for (const auto& [casella, campo] : campi) {
        // Corrected once the value is entered, not at every digit typed.
        casella->setKeyboardTracking(false);
        connect(casella, &QSpinBox::valueChanged, this, [this, campo = campo] { Cambiato(campo); });
    }
}

void CaselleIntervallo::Mostra(const ludo::IntervalloRicerca& intervallo) {
    const QSignalBlocker da(c_.annoDa), a(c_.annoA), cda(c_.concDa), ca(c_.concA);
    MostraStagione(*c_.annoDa, intervallo.AnnoDa);
    MostraStagione(*c_.annoA, intervallo.AnnoA);
    c_.concDa->setValue(intervallo.ConcDa);
    c_.concA->setValue(intervallo.ConcA);
    c_.primoAnnoDa->setText(QString::number(AnnoDi(*c_.annoDa)));
    c_.primoAnnoA->setText(QString::number(AnnoDi(*c_.annoA)));
}

ludo::IntervalloRicerca CaselleIntervallo::Intervallo(std::uint8_t tipi) const {
    ludo::IntervalloRicerca i;
    i.Tipi = tipi;
    i.AnnoDa = AnnoDi(*c_.annoDa);
    i.AnnoA = AnnoDi(*c_.annoA);
    i.ConcDa = c_.concDa->value();
    i.ConcA = c_.concA->value();
    return i;
}

void CaselleIntervallo::Correggi() {
    Cambiato(ludo::CampoIntervallo::AnnoDa);
    Cambiato(ludo::CampoIntervallo::AnnoA);
}

void CaselleIntervallo::Cambiato(ludo::CampoIntervallo campo) {
    ludo::IntervalloRicerca i = Intervallo();
    ludo::CorreggiIntervallo(i, campo, archivio_);
    Mostra(i);
}
