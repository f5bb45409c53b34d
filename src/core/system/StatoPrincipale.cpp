#include "core/system/StatoPrincipale.h"

#include <algorithm>
#include <bit>
#include <charconv>

#include "core/io/Formato.h"
#include "core/system/T_Sistema.h"

namespace ludo {

bool PiuDiOtto(Colonna pronostico) { return std::popcount(pronostico) >= 8; }

std::string TestoColonneFinali(const T_Sistema& sistema, FormatoNumeri formato) {
    std::string testo = "  Colonne Finali : ";
    const auto& colonne = sistema.Dati->Colonne;
    if (colonne.Vuota()) return testo;
    const int numeri = std::popcount(*colonne.begin());
    return testo + TestoColonneConCosto(static_cast<std::int64_t>(colonne.Conteggio()), numeri, sistema.Dati->Config,
                                        sistema.NumeroPartecipanti, formato);
}

std::string TestoColonneIniziali(const T_Sistema& sistema, FormatoNumeri formato) {
    std::string testo = "  Colonne Iniziali : ";
    const Colonna pronostico = sistema.Dati->Pronostico;
    if (!PiuDiOtto(pronostico)) return testo;
    return testo + TestoColonneConCosto(static_cast<std::int64_t>(ColonneIntegrali(pronostico)), 8,
                                        sistema.Dati->Config, sistema.NumeroPartecipanti, formato);
}

std::string TestoPartiteSelezionate(const T_Sistema& sistema) {
    return " Partite Selezionate : " + std::to_string(std::popcount(sistema.Dati->Pronostico));
}

std::string TestoFisse(const T_Sistema& sistema) {
    return " Fisse : " + std::to_string(std::popcount(sistema.Dati->Fisse));
}

Abilitazioni CalcolaAbilitazioni(const T_Sistema& sistema) {
    const auto& dati = *sistema.Dati;
    Abilitazioni a;
    a.Picchetti = std::all_of(dati.Picchetti.begin(), dati.Picchetti.end(), [](double p) { return p > 0; });
    a.Sviluppo = PiuDiOtto(dati.Pronostico) || !dati.Sorgente.SorgentePronostico;
    a.Colonne = !dati.Colonne.Vuota();
    return a;
}

bool CarattereAmmessoPicchetto(char c) { return (c >= '0' && c <= '9') || c == '.'; }

std::string TestoDigitatoPicchetto(std::string_view testo) {
    std::string digitato(testo);
    std::replace(digitato.begin(), digitato.end(), ',', '.');
    return digitato;
}

std::optional<double> LeggiPicchetto(std::string_view testo) {
    if (testo.empty()) return 0.0;
    if (!std::all_of(testo.begin(), testo.end(), CarattereAmmessoPicchetto)) return std::nullopt;
    double valore = 0;
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (errore != std::errc() || fine != testo.data() + testo.size()) return std::nullopt;
    if (valore < 0 || valore > 100) return std::nullopt;
    return valore;
}

std::string MotivoPicchettoRifiutato(int partita, std::string_view testo) {
    return "Picch. della partita " + std::to_string(partita) + ": \"" + std::string(testo) +
           "\" non accettato, il valore va da 0 a 100";
}

std::string TestoPicchetto(double valore) { return io::FormatoReale("%.2f", valore); }

}  // namespace ludo
