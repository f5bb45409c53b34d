#pragma once
// The typical conditioned system of the speed measurements: all 32 matches
// selected, none fixed, and a dozen active conditions of the usual kinds
// (parity, sums, runs, distances, remainders, interruptions, symmetries,
// barycentres, filter columns) with a board of three more in OR. The copy in
// bench/sistemi/tipico.LDS is this system saved.

#include <filesystem>
#include <memory>

#include "core/conditions/CondizioniNumeriche.h"
#include "core/conditions/CondizioniReali.h"
#include "core/conditions/CondizioniSchema.h"
#include "core/conditions/TGruppo.h"
#include "core/conditions/TQuadro.h"
#include "core/system/T_Sistema.h"

namespace ludo::bench {

inline void Accetta(TabellaMisura& t, int da, int a) {
    for (int v = da; v <= a; ++v) t.Voci[static_cast<std::size_t>(v)].Stato = Accettato;
}

inline void CondizioniTipiche(T_Sistema& s) {
    auto& c = s.Dati->Condizioni;
    Accetta(static_cast<TPariDispari&>(c.Condizione(CodPariDispari)).Tabelle[0].Prima, 3, 5);
    auto& somma = static_cast<TSomma&>(static_cast<TGruppo&>(c.Condizione(CodGruppoSomme)).NuovoMembro());
    somma.Partite = 0xFFFFFFFFu;
    somma.Intervalli.Intervalli[0] = {100, 160, Accettato, 0};
    somma.Intervalli.Numero = 1;
    Accetta(static_cast<TConsecutivitaNumerica&>(c.Condizione(CodConsecutivitaNumerica)).Tabelle[0].Prima, 1, 3);
    Accetta(static_cast<TDistanzeGlobali&>(c.Condizione(CodDistanzeGlobali)).Tabelle[1].Prima, 4, 12);
    auto& resti = static_cast<TResti&>(static_cast<TGruppo&>(c.Condizione(CodGruppoResti)).NuovoMembro());
    resti.Divisore = 7;
    Accetta(resti.Tabelle[0].Prima, 0, 4);
    Accetta(static_cast<TInterruzioni&>(c.Condizione(CodInterruzioni)).Tabelle[0].Prima, 4, 7);
    Accetta(static_cast<TSimmetrie&>(c.Condizione(CodSimmetrie)).Tabelle[2].Prima, 0, 3);
    Accetta(static_cast<TBaricentri&>(c.Condizione(CodBaricentri)).Tabelle[0].Prima, 10, 22);
    auto& filtri = static_cast<TGruppo&>(c.Condizione(CodGruppoColonneFiltro));
    for (Colonna f : {0x000000FFu, 0x0000FF00u, 0x00FF0000u, 0xFF000000u, 0x11111111u}) {
        auto& filtro = static_cast<TColonnaFiltro&>(filtri.NuovoMembro());
        filtro.Numeri = f;
        Accetta(filtro.Tabelle[0].Prima, 0, 3);
    }
    auto& quadro = static_cast<TQuadro&>(c.Condizione(CodQuadro));
    Accetta(static_cast<TNumeroSequenze&>(*quadro.Inserisci(CodNumeroSequenze)).Tabelle[1].Prima, 0, 2);
    Accetta(static_cast<TVortice&>(*quadro.Inserisci(CodVortice)).Tabelle[1].Prima, 0, 4);
    Accetta(static_cast<TPosizioni&>(*quadro.Inserisci(CodPosizioni)).Tabelle[0].Prima, 1, 8);
    quadro.ApplicaRelazione(RelazioneOr);
}

// The system of the program folder cartella; the source and destination
// files are named without folder, so a saved copy works in any program folder.
inline std::unique_ptr<T_Sistema> SistemaTipico(const std::filesystem::path& cartella) {
    auto s = std::make_unique<T_Sistema>(cartella);
    s->Dati->Pronostico = 0xFFFFFFFFu;
    s->Dati->Sorgente.FileSorgente = "DefSorg.Col";
    s->Dati->Destinazione.FileDestinazione = "DefDest.Col";
    CondizioniTipiche(*s);
    return s;
}

}  // namespace ludo::bench
