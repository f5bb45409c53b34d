#include "core/printing/StampaGiocate.h"

#include <algorithm>

namespace ludo {
namespace {

constexpr double ScalaRiepilogo = 0.4;
constexpr double SinistraRiepilogo = 40;
constexpr double AltoRiepilogo = 30;
constexpr double ScalaSistemi = 0.22;
constexpr double SinistraSistemi = 41;
constexpr double AltoSistemi = 10;

GrigliaDaStampare Griglia(const std::vector<int>& larghezze, int altezza, std::vector<std::string> intestazione) {
    GrigliaDaStampare g;
    g.larghezzeColonne = larghezze;
    g.altezzeRighe.push_back(altezza);
    g.celle.push_back(std::move(intestazione));
    return g;
}

void AggiungiRiga(GrigliaDaStampare& g, int altezza, std::vector<std::string> celle) {
    g.altezzeRighe.push_back(altezza);
    g.celle.push_back(std::move(celle));
}

}  // namespace

std::vector<PaginaStampaGiocate> PagineStampaGiocate(const TArchivioGiocate& archivio, const Configurazione& config,
                                                     const MisureTabelleGiocate& misure, FormatoNumeri formato) {
    const std::string concorso = std::to_string(archivio.Concorso);
    std::vector<PaginaStampaGiocate> pagine;

    auto riepilogo = Griglia(misure.riepilogo, misure.altezzaRiga, {"        Tipo di Giocata", "    Numero di Giocate"});
    for (const auto& r : RiepilogoGiocate(archivio, config, formato))
        AggiungiRiga(riepilogo, misure.altezzaRiga, {r.tipo, r.valore});
    pagine.push_back({"Riepilogo delle giocate del concorso Nº " + concorso, 10,
                      {{std::move(riepilogo), ScalaRiepilogo, AltoRiepilogo, SinistraRiepilogo}}});

    const auto sistemi = SistemiGiocati(archivio);
    std::size_t prima = 0;
    do {
        auto griglia = Griglia(misure.sistemi, misure.altezzaRiga, {"     Numeri", "    Colonne", "    Data", "     Ora"});
        const std::size_t fine = std::min(sistemi.size(), prima + RigheSistemiPerPagina);
        for (std::size_t i = prima; i < fine; ++i) {
            const auto& s = sistemi[i];
            AggiungiRiga(griglia, misure.altezzaRiga, {s.numeri, s.colonne, "   " + s.data, "   " + s.ora});
        }
        pagine.push_back({prima == 0 ? "Elenco dei sistemi ridotti giocati nel concorso Nº " + concorso : "", 2,
                          {{std::move(griglia), ScalaSistemi, AltoSistemi, SinistraSistemi}}});
        prima = fine;
    } while (prima < sistemi.size());
    return pagine;
}

}  // namespace ludo
