// The coupon and configuration commands.
#include <ostream>

#include "cli/Comandi.h"
#include "cli/Json.h"
#include "core/system/Configurazione.h"
#include "core/system/Schedina.h"

namespace ludo::cli {
namespace {

void scriviRicerca(Json& j, const ImpostazioniRicerca& ricerca) {
    const auto& intervallo = ricerca.Intervallo;
    j.beginObject().key("intervallo").beginObject();
    j.key("tipi").value(static_cast<int>(intervallo.Tipi)).key("anno_da").value(intervallo.AnnoDa);
    j.key("anno_a").value(intervallo.AnnoA).key("conc_da").value(intervallo.ConcDa);
    j.key("conc_a").value(intervallo.ConcA).endObject();
    j.key("ignora_colonne_filtro").value(ricerca.IgnoraColonneFiltro);
    j.key("ignora_ripetizioni").value(ricerca.IgnoraRipetizioni);
    j.key("ignora_valori").value(ricerca.IgnoraValori);
    j.key("prima_categoria").value(ricerca.PrimaCategoria);
    j.key("prima_seconda_categoria").value(ricerca.PrimaSecondaCategoria).endObject();
}

void scriviGeometria(Json& j, const SlipGeometry& g) {
    j.beginObject().key("x_prima_col").value(g.XPrimaCol).key("y_prima_col").value(g.YPrimaCol);
    j.key("distanza_segni_oriz")
        .value(g.DistanzaSegniOriz)
        .key("distanza_segni_vert")
        .value(g.distanzaSegniVert);
    j.key("distanza_colonne").value(g.DistanzaColonne).key("scritta_x").value(g.ScrittaX);
    j.key("scritta_y").value(g.ScrittaY).key("l_quadratini").value(g.LQuadratini);
    j.key("a_quadratini").value(g.AQuadratini).endObject();
}

void scriviStampa(Json& j, const SlipPrintSettings& stampa) {
    j.beginObject().key("stampa_scritta").value(stampa.StampaScritta);
    j.key("stampa_concorso_cedolina").value(stampa.StampaConcorsoCedolina);
    j.key("orizzontale")
        .value(stampa.Orizzontale)
        .key("colonne_per_schedina")
        .value(stampa.ColonnePerSchedina);
    j.key("geometria_orizzontale");
    scriviGeometria(j, stampa.Geometrie[0]);
    j.key("geometria_verticale");
    scriviGeometria(j, stampa.Geometrie[1]);
    j.endObject();
}

void scriviTabulato(Json& j, const TImpTabulato& tabulato) {
    j.beginObject().key("spaziatura_orizzontale").value(tabulato.SpaziaturaOrizzontale);
    j.key("spaziatura_verticale")
        .value(tabulato.SpaziaturaVerticale)
        .key("nome_font")
        .value(tabulato.NomeFont);
    j.key("dimensione_font")
        .value(tabulato.DimensioneFont)
        .key("stile_font")
        .value(tabulato.StileFont);
    j.endObject();
}

}  // namespace

int comandoSchedina(Contesto& contesto, const Argomenti& argomenti) {
    Schedina schedina;
    CaricaSchedina(schedina, argomenti.primo());
    Json j;
    j.beginObject().key("concorso").value(schedina.Concorso).key("squadre").beginArray();
    for (const auto& partita : schedina.Squadre)
        j.beginArray().value(partita.Casa).value(partita.Ospite).endArray();
    j.endArray().endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

int comandoConfigurazione(Contesto& contesto, const Argomenti&) {
    auto config = ConfigurazioneIniziale(contesto.cartella);
    CaricaConfigurazione(config, contesto.cartella);
    Json j;
    j.beginObject()
        .key("prezzo_lire")
        .value(config.PrezzoLire)
        .key("prezzo_euro")
        .value(config.PrezzoEuro);
    j.key("euro").value(config.Euro).key("file_sfondo").value(config.FileSfondo);
    j.key("salva_colonne")
        .value(config.SalvaColonne)
        .key("ricarica_schedina")
        .value(config.RicaricaSchedina);
    j.key("ricevitoria").beginArray();
    for (const auto& riga : config.DatiRicevitoria) j.value(riga);
    j.endArray().key("ricerca");
    scriviRicerca(j, config.Ricerca);
    j.key("stampa_schedine");
    scriviStampa(j, config.ImpStampa);
    j.key("tabulato");
    scriviTabulato(j, config.ImpTabulato);
    j.endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

}  // namespace ludo::cli
