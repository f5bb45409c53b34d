#include "core/checking/ControlloCondizioni.h"

namespace ludo {

std::vector<TErrore> ControllaCondizioni(T_Sistema& sistema, Colonna colonna) {
    auto& d = *sistema.Dati;
    auto& condizioni = d.Condizioni;
    sistema.PreparaCondizioni();
    condizioni.Fisse = 0;
    condizioni.Prepara();
    condizioni.RegistraErrori = true;
    condizioni.Errori.clear();
    const bool fuoriPronostico = NumeriComuni(colonna, d.Pronostico) < 8 || (colonna & d.Fisse) != d.Fisse;
    if (fuoriPronostico) condizioni.Errori.push_back({nullptr, 0});
    condizioni.Verifica(colonna);
    condizioni.RegistraErrori = false;
    std::vector<TErrore> errori = std::move(condizioni.Errori);
    condizioni.Errori.clear();
    sistema.PreparaCondizioni();  // back to the system's own fixed numbers
    return errori;
}

std::string NomeErrore(const TErrore& errore) {
    return errore.Condizione == nullptr ? std::string("Pronostico") : errore.Condizione->Nome;
}

}  // namespace ludo
