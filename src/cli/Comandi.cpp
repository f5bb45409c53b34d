#include "cli/Comandi.h"

#include <algorithm>
#include <new>
#include <optional>
#include <ostream>

#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "core/system/Versione.h"

namespace ludo::cli {
namespace {

void stampaAiuto(std::ostream& out) {
    out << "Uso: ludomatic-cli [--cartella CARTELLA] COMANDO [ARGOMENTI]\n"
           "     ludomatic-cli --version | --help\n\n"
           "Opzioni:\n"
           "  --cartella CARTELLA  cartella del programma (predefinita: quella dell'installazione)\n"
           "  --version            stampa la versione\n"
           "  --help               stampa questo aiuto\n\n"
           "Un file colonnare indicato senza cartella è nella cartella COLONNE del programma; con la sua\n"
           "cartella (anche ./) è usato così com'è. Un'opzione che il comando non conosce è rifiutata.\n";
    if (comandi().empty()) return;
    out << "\nComandi:\n";
    for (const auto& c : comandi()) out << "  " << c.uso << "\n      " << c.descrizione << "\n";
}

}  // namespace

std::span<const Comando> comandi() {
    // Filled as the batch commands are built.
    static const std::vector<Comando> tabella = {
        {"schedina", "schedina FILE.Gsc", "il concorso e le squadre di una schedina", comandoSchedina,
         {{{}, {}, 1}}},
        {"sistema", "sistema FILE.LDS [--colonne]", "ogni campo di un sistema; con --colonne anche le colonne",
         comandoSistema,
         {{{}, {"--colonne"}, 1}}},
        {"condizioni", "condizioni FILE.CND", "le condizioni di un file di condizioni", comandoCondizioni,
         {{{}, {}, 1}}},
        {"quadro", "quadro FILE.QDR", "il quadro di condizioni di un file", comandoQuadro,
         {{{}, {}, 1}}},
        {"verifica", "verifica FILE.LDS --colonna \"n1 … n8\"",
         "le condizioni del sistema che la colonna non rispetta (\"Pronostico\" se esce dal pronostico)",
         comandoVerifica,
         {{{"--colonna"}, {}, 1}}},
        {"misura", "misura FILE.CND (--colonna \"n1 … n8\" | --colonne FILE.Col) [--sistema FILE.LDS]",
         "i valori che ogni condizione del file misura sulle colonne e se le colonne la rispettano", comandoMisura,
         {{{"--colonna", "--colonne", "--sistema"}, {}, 1}}},
        {"sviluppa", "sviluppa FILE.LDS [--out FILE.Col] [--stimato] [--si]",
         "sviluppa il sistema con le sue impostazioni; --si risponde Si alla domanda sulla riduzione ottimizzata",
         comandoSviluppa,
         {{{"--out"}, {"--stimato", "--si"}, 1}}},
        {"riduci",
         "riduci FILE.Col --garanzia 6|7 [--ottimizzata | --migliorata [--secondi S] [--seme N] | --distanza D] "
         "[--vincite V] --out FILE.Col",
         "riduce le colonne di un file a garanzia o a distanza minima; --migliorata cerca per al più S secondi "
         "(60 se non indicati) una riduzione più piccola di quella ottimizzata, la stessa per lo stesso seme N "
         "quando finisce prima del tempo",
         comandoRiduci,
         {{{"--garanzia", "--distanza", "--vincite", "--secondi", "--seme", "--out"}, {"--ottimizzata", "--migliorata"}, 1}}},
        {"garanzie",
         "garanzie (--memoria FILE.LDS | --colonne FILE.Col) (--pronostico \"n1 … nk\" [--errori 0,1,2] | "
         "--confronto FILE.Col) [--condizioni FILE.LDS]",
         "quante colonne fanno 8, 7 e 6 punti su ogni risultato possibile e la percentuale dei risultati per "
         "ogni caso (le colonne di più di 8 numeri sviluppate; --condizioni solo senza errori)",
         comandoGaranzie,
         {{{"--memoria", "--colonne", "--pronostico", "--errori", "--confronto", "--condizioni"}, {}, 0}}},
        {"archivio",
         "archivio [aggiungi --anno A --numero N --tipo T --vincente \"n1 … n8\" | elimina --anno A --numero N | "
         "analisi]",
         "i concorsi dell'archivio (A = primo anno della stagione); aggiunge o elimina un concorso e salva; "
         "analisi: le 26 tabelle delle analisi dell'archivio",
         comandoArchivio,
         {{},
          {{"aggiungi", {{"--anno", "--numero", "--tipo", "--vincente"}, {}, 0}},
           {"elimina", {{"--anno", "--numero"}, {}, 0}},
           {"analisi", {}}}}},
        {"configurazione", "configurazione", "le impostazioni di Ludomatic.cfg nella cartella del programma",
         comandoConfigurazione,
         {}},
        {"colonne", "colonne FILE.Col [--espandi]",
         "le colonne di un file colonnare (--espandi: quelle di più di 8 numeri sviluppate)", comandoColonne,
         {{{}, {"--espandi"}, 1}}},
        {"converti", "converti --da FORMATO --a FORMATO SORGENTE… --destinazione CARTELLA",
         "converte file colonnari tra i formati (0 Txt, 1 Asc, 2 Stg, 3 Col, 4 Cln, 5 Omnia, 6 XGol, 7 Ctl, 8 Bgp; "
         "indice o estensione)",
         comandoConverti,
         {{{"--da", "--a", "--destinazione"}, {}, Opzioni::Molti}}},
        {"operazioni", "operazioni or|and|xor|n1|n2|disordina PRIMO [SECONDO] --out FILE",
         "unione, intersezione, differenza simmetrica, colonne scoperte (N-1, N-2) o disordine di file colonnari",
         comandoOperazioni,
         {{{"--out"}, {}, 3}}},
        {"accorpa", "accorpa FILE.Col --partite S --out FILE.Col",
         "accorpa le colonne in colonne integrali (S = partite selezionate del pronostico)", comandoAccorpa,
         {{{"--partite", "--out"}, {}, 1}}},
        {"giocate", "giocate N [--vincente \"n1 … n8\"]",
         "le giocate registrate per il concorso N, il loro costo e, con --vincente, i punteggi", comandoGiocate,
         {{{"--vincente"}, {}, 1}}},
        {"matrici", "matrici",
         "i sistemi ridotti pronti della cartella Matrici: numeri, fisse, garanzia, colonne e costo (NV se il nome "
         "non si legge)",
         comandoMatrici,
         {}},
        {"statistica", "statistica FILE.LDS",
         "in quanti concorsi dell'intervallo di ricerca il sistema avrebbe vinto, il ciclo medio e i ritardi",
         comandoStatistica,
         {{{}, {}, 1}}},
        {"gruppo", "gruppo --numeri \"n …\"",
         "quanti numeri del gruppo ha preso ogni colonna vincente: uscite, frequenza, ritardi e IC per 0..8 punti",
         comandoGruppo,
         {{{"--numeri"}, {}, 0}}},
        {"fisse", "fisse [--quante 1|2|3] [--ordine ic|frequenza|ritardo]",
         "i numeri, le coppie o le terne da fissare, in classifica", comandoFisse,
         {{{"--quante", "--ordine"}, {}, 0}}},
        {"numeri", "numeri", "frequenza, ritardi, IC e consecutività di ogni numero", comandoNumeri,
         {}},
        {"pronostico-statistico", "pronostico-statistico FILE.LDS --partite K [--azzera] [--out FILE.LDS]",
         "aggiunge al pronostico le K partite di IC più alto", comandoPronosticoStatistico,
         {{{"--partite", "--out"}, {"--azzera"}, 1}}},
        {"spoglio", "spoglio FILE.Col --vincente \"n1 … n8\" [--sistema FILE.LDS]",
         "quante colonne fanno da 0 a 8 punti (quelle di più di 8 numeri sviluppate); con --sistema le "
         "condizioni che la colonna vincente non rispetta",
         comandoSpoglio,
         {{{"--vincente", "--sistema"}, {}, 1}}},
        {"spoglio-storico", "spoglio-storico FILE.Col [--salva FILE.Col [--punti 7,6]]",
         "le colonne contro ogni concorso dell'intervallo di ricerca: vincite, frequenza, ritardi e IC per "
         "punteggio e i punti di ogni concorso; --salva scrive le colonne che hanno fatto quei punti",
         comandoSpoglioStorico,
         {{{"--salva", "--punti"}, {}, 1}}},
        {"analisi", "analisi FILE.LDS --condizione SLOT[/MEMBRO…] [--pagina N]",
         "l'analisi di una condizione: viste, tabelle dell'archivio e dello sviluppo, colonne filtrate, frequenza "
         "storica e fattore di convenienza (--pagina: posizione, lunghezza, vortice o gruppo Tra mostrato)",
         comandoAnalisi,
         {{{"--condizione", "--pagina"}, {}, 1}}},
        {"aggiorna", "aggiorna [archivi|squadre|schedina] [--server INDIRIZZO]",
         "scarica dal server di aggiornamento (predefinito: quello di aggiornamento.txt) l'archivio dei concorsi, "
         "le liste delle squadre e la schedina, che diventa l'ultima schedina; senza tipo tutti e tre",
         comandoAggiorna,
         {{{"--server"}, {}, 0},
          {{"archivi", {{"--server"}, {}, 0}}, {"squadre", {{"--server"}, {}, 0}}, {"schedina", {{"--server"}, {}, 0}}}}},
    };
    return tabella;
}

std::filesystem::path Contesto::fileColonne(const std::string& nome) const {
    return io::resolveGivenName(cartella, io::kColonne, nome);
}

int esegui(std::span<const std::string> argomenti,
           const std::function<std::filesystem::path()>& cartellaPredefinita, std::ostream& out,
           std::ostream& err) {
    std::optional<std::filesystem::path> cartella;
    std::size_t i = 0;
    while (i < argomenti.size() && argomenti[i].starts_with("--")) {
        const auto& opzione = argomenti[i];
        if (opzione == "--version") {
            out << TestoVersione() << "\n";
            return 0;
        }
        if (opzione == "--help") {
            stampaAiuto(out);
            return 0;
        }
        if (opzione == "--cartella" && i + 1 < argomenti.size()) {
            cartella = argomenti[i + 1];
            i += 2;
            continue;
        }
        err << "Opzione non riconosciuta: " << opzione << "\n";
        return 1;
    }
    if (i == argomenti.size()) {
        stampaAiuto(err);
        return 1;
    }
    const auto& nome = argomenti[i];
    const auto comandiNoti = comandi();
    const auto trovato = std::find_if(comandiNoti.begin(), comandiNoti.end(),
                                      [&](const Comando& c) { return c.nome == nome; });
    if (trovato == comandiNoti.end()) {
        err << "Comando sconosciuto: " << nome << " (ludomatic-cli --help elenca i comandi)\n";
        return 1;
    }
    try {
        const Argomenti letti(argomenti.subspan(i + 1), trovato->sintassi);
        Contesto contesto{cartella ? *cartella : cartellaPredefinita(), out, err};
        return trovato->esegui(contesto, letti);
    } catch (const ErroreArgomenti& e) {
        err << e.what() << "\nUso: ludomatic-cli " << trovato->uso << "\n";
    } catch (const Errore& e) {
        err << e.what() << "\n";
    } catch (const std::bad_alloc&) {
        err << "Memoria Esaurita.\n";
    }
    return 1;
}

int esegui(std::span<const std::string> argomenti, const std::filesystem::path& cartella, std::ostream& out,
           std::ostream& err) {
    return esegui(argomenti, [&] { return cartella; }, out, err);
}

}  // namespace ludo::cli
