#include "core/checking/ControlloCondizioni.h"

#include "core/checking/Spoglio.h"

namespace ludo {

ControlloColonna ControllaCondizioni(T_Sistema& sistema, Colonna colonna) {
    auto& d = *sistema.Dati;
    auto& condizioni = d.Condizioni;
    // Also resets the link set's refusal statistics, which then tell which
    // limit refused this one column.
    sistema.PreparaCondizioni();
    condizioni.Fisse = 0;
    condizioni.Prepara();
    condizioni.RegistraErrori = true;
    condizioni.Errori.clear();
    const bool fuoriPronostico = NumeriComuni(colonna, d.Pronostico) < 8 || (colonna & d.Fisse) != d.Fisse;
    if (fuoriPronostico) condizioni.Errori.push_back({nullptr, 0});
    ControlloColonna controllo;
    controllo.Passa = condizioni.Verifica(colonna) && !fuoriPronostico;
    condizioni.RegistraErrori = false;
    controllo.Errori = std::move(condizioni.Errori);
    condizioni.Errori.clear();
    for (const char lettera : d.Link.LinkUsate) {
        if (d.Link.Lettera(lettera)->RifiutiErrori.NumConcorsi() > 0) controllo.LinkRifiutata = lettera;
    }
    controllo.TotaleRifiutato = d.Link.RifiutiTotale.NumConcorsi() > 0;
    sistema.PreparaCondizioni();  // back to the system's own fixed numbers
    return controllo;
}

std::string NomeErrore(const TErrore& errore) {
    return errore.Condizione == nullptr ? std::string("Pronostico") : errore.Condizione->Nome;
}

std::string RifiutoLink(const ControlloColonna& controllo) {
    if (controllo.LinkRifiutata != 0) return std::string("Errori Ammessi Nella Link ") + controllo.LinkRifiutata;
    if (controllo.TotaleRifiutato) return "Errori Ammessi In Totale";
    return {};
}

std::vector<std::string> RigheCondizioniSbagliate(const ControlloColonna& controllo) {
    std::vector<std::string> righe;
    for (const auto& e : controllo.Errori) righe.push_back(RigaCondizioneSbagliata(e));
    if (auto rifiuto = RifiutoLink(controllo); !rifiuto.empty()) righe.push_back(std::move(rifiuto));
    return righe;
}

}  // namespace ludo
