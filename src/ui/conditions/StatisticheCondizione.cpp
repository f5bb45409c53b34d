#include "ui/conditions/StatisticheCondizione.h"

namespace {

AperturaStatistiche& Apertura() {
    static AperturaStatistiche apertura;
    return apertura;
}

AperturaCercaFisse& CercaFisse() {
    static AperturaCercaFisse apertura;
    return apertura;
}

}  // namespace

void ImpostaAperturaStatistiche(AperturaStatistiche apertura) { Apertura() = std::move(apertura); }

bool StatisticheDisponibili() { return static_cast<bool>(Apertura()); }

void ApriStatistiche(const RichiestaStatistiche& richiesta, QWidget* editor) {
    if (Apertura()) Apertura()(richiesta, editor);
}

void ImpostaAperturaCercaFisse(AperturaCercaFisse apertura) { CercaFisse() = std::move(apertura); }

bool CercaFisseDisponibile() { return static_cast<bool>(CercaFisse()); }

void ApriCercaFisse(ludo::TQuadro& quadro, QWidget* finestra) {
    if (CercaFisse()) CercaFisse()(quadro, finestra);
}
