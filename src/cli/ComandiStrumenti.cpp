// ludomatic-cli converti, operazioni, accorpa and giocate: the column file
// tools and the play archive of a contest, in batch.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <ostream>
#include <random>

#include "cli/Argomenti.h"
#include "cli/Comandi.h"
#include "cli/Json.h"
#include "core/checking/ArchivioGiocate.h"
#include "core/checking/Ricevitoria.h"
#include "core/coltools/Accorpa.h"
#include "core/coltools/Conversione.h"
#include "core/coltools/OperazioniColonne.h"
#include "core/columns/FileColonne.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"
#include "core/system/Configurazione.h"

namespace ludo::cli {
namespace {

// A format by its index 0..8, its extension, or "omnia"/"xgol" for the two
// "Gol" formats.
FormatoColonne formato(const std::string& testo) {
    if (!testo.empty() && std::isdigit(static_cast<unsigned char>(testo[0])) != 0) {
        return static_cast<FormatoColonne>(numero(testo, 0, NumeroFormati - 1, "il formato"));
    }
    if (io::equalsIgnoringCase(testo, "omnia")) return FormatoColonne::Omnia;
    if (io::equalsIgnoringCase(testo, "xgol")) return FormatoColonne::XGol;
    if (io::equalsIgnoringCase(testo, "gol")) throw Errore("Formato Gol ambiguo: indicare 5 (Omnia) o 6 (XGol).");
    for (int i = 0; i < NumeroFormati; ++i) {
        const auto f = static_cast<FormatoColonne>(i);
        if (io::equalsIgnoringCase(testo, Descrizione(f).estensione)) return f;
    }
    throw Errore("Formato sconosciuto: " + testo + ".");
}

void stampaPunteggi(Json& j, const Punteggi& punti) {
    j.beginArray();
    for (auto p : punti) j.value(static_cast<std::int64_t>(p));
    j.endArray();
}

}  // namespace

int comandoConverti(Contesto& contesto, const Argomenti& argomenti) {
    RichiestaConversione base;
    base.sorgente = formato(argomenti.richiesta("--da"));
    base.destinazione = formato(argomenti.richiesta("--a"));
    base.cartellaDestinazione = argomenti.richiesta("--destinazione");
    static_cast<void>(argomenti.primo());  // at least one source
    EsitoConversione totale;
    for (const auto& sorgente : argomenti.posizionali()) {
        auto r = base;
        const std::filesystem::path percorso = contesto.fileColonne(sorgente);
        r.cartellaSorgente = percorso.parent_path().empty() ? "." : percorso.parent_path();
        r.files = {percorso.filename().string()};
        const auto esito = Converti(r, NessunAvanzamento());
        totale.filesCreati += esito.filesCreati;
        totale.messaggio = esito.messaggio;
        if (!esito.riuscita) break;
    }
    Json j;
    j.beginObject().key("files_creati").value(totale.filesCreati).key("messaggio").value(totale.messaggio).endObject();
    contesto.out << j.str() << "\n";
    if (totale.messaggio == MsgConversioneTerminata) return 0;
    contesto.err << totale.messaggio << "\n";
    return 1;
}

int comandoOperazioni(Contesto& contesto, const Argomenti& argomenti) {
    static const std::pair<std::string_view, Operazione> nomi[] = {
        {"or", Operazione::Or},           {"and", Operazione::And},         {"xor", Operazione::Xor},
        {"n1", Operazione::CoperturaN1}, {"n2", Operazione::CoperturaN2}, {"disordina", Operazione::Disordinatore}};
    const auto uscita = argomenti.richiesta("--out");
    const auto& file = argomenti.posizionali();
    if (file.empty()) throw ErroreArgomenti("Manca il tipo di operazione.");
    const auto* trovata = std::find_if(std::begin(nomi), std::end(nomi), [&](const auto& n) { return n.first == file[0]; });
    if (trovata == std::end(nomi)) throw Errore("Operazione sconosciuta: " + file[0] + ".");
    const bool disordina = trovata->second == Operazione::Disordinatore;
    if (file.size() != (disordina ? 2U : 3U)) throw ErroreArgomenti("Numero di file non valido per l'operazione.");
    const auto secondo = disordina ? std::filesystem::path() : contesto.fileColonne(file[2]);
    const auto esito = EseguiOperazione(trovata->second, contesto.fileColonne(file[1]), secondo,
                                        contesto.fileColonne(uscita),
                                        NessunAvanzamento(), std::random_device{}());
    Json j;
    j.beginObject().key("colonne").value(static_cast<std::int64_t>(esito.colonne));
    j.key("file_creato").value(esito.fileScritto).key("messaggio").value(esito.messaggio).endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

int comandoAccorpa(Contesto& contesto, const Argomenti& argomenti) {
    const auto file = contesto.fileColonne(argomenti.primo());
    const int partite = argomenti.intero("--partite", 0, 32);
    const auto uscita = contesto.fileColonne(argomenti.richiesta("--out"));
    ListaColonne colonne;
    if (!LeggiFile(colonne, file, false)) throw Errore(MsgErroreLetturaColonne);
    const auto esito = Accorpa(colonne, partite, NessunAvanzamento());
    ScriviFile(colonne, uscita);
    Json j;
    j.beginObject().key("iniziali").value(static_cast<std::int64_t>(esito.iniziali));
    j.key("finali").value(static_cast<std::int64_t>(colonne.Conteggio()));
    j.key("indice").value(esito.TestoIndice()).key("schedine").value(static_cast<std::int64_t>(esito.Schedine()));
    j.endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

int comandoGiocate(Contesto& contesto, const Argomenti& argomenti) {
    const auto& testo = argomenti.primo();
    TArchivioGiocate archivio(numero(testo, 1, 99, "il concorso"));
    if (!archivio.Carica(contesto.cartella)) throw Errore("Impossibile leggere le giocate del concorso " + testo + ".");
    auto config = ConfigurazioneIniziale(contesto.cartella);
    CaricaConfigurazione(config, contesto.cartella);
    const auto vincente = argomenti.opzione("--vincente");
    if (vincente) {
        const auto w = leggiNumeri(*vincente, MsgNumeriNonValidi);
        if (NumeroNumeri(w) != 8) throw Errore("La colonna vincente deve avere 8 numeri.");
        archivio.Spoglio(w);
    }
    Json j;
    j.beginObject().key("concorso").value(archivio.Concorso);
    j.key("schedine").value(static_cast<std::int64_t>(archivio.Schedine.size()));
    j.key("integrali").value(static_cast<std::int64_t>(archivio.Integrali.size()));
    j.key("sistemi").beginArray();
    for (const auto& s : archivio.Sistemi) {
        j.beginObject().key("numeri").value(s.Numeri).key("colonne").value(static_cast<std::int64_t>(s.Colonne.Conteggio()));
        j.key("data").value(s.Data).key("ora").value(s.Ora);
        if (vincente) stampaPunteggi(j.key("punti"), s.Punti);
        j.endObject();
    }
    j.endArray();
    j.key("costo").value(archivio.Costo(config.Euro ? config.PrezzoEuro : config.PrezzoLire));
    j.key("valuta").value(config.Euro ? "€" : "£");
    if (vincente) {
        stampaPunteggi(j.key("punti_schedine"), archivio.PuntiSchedine);
        stampaPunteggi(j.key("punti_integrali"), archivio.PuntiIntegrali);
        stampaPunteggi(j.key("punti_sistemi"), archivio.PuntiSistemi);
    }
    j.endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

int comandoMatrici(Contesto& contesto, const Argomenti&) {
    auto config = ConfigurazioneIniziale(contesto.cartella);
    CaricaConfigurazione(config, contesto.cartella);
    const double prezzo = config.Euro ? config.PrezzoEuro : config.PrezzoLire;
    Json j;
    j.beginObject().key("matrici").beginArray();
    for (const auto& m : ElencoMatrici(contesto.cartella)) {
        j.beginObject().key("nome").value(m.nome);
        if (m.leggibile) {
            j.key("numeri").value(m.numeri).key("fisse").value(m.fisse).key("garanzia").value(m.garanzia);
            j.key("colonne").value(static_cast<std::int64_t>(m.colonne));
            j.key("costo").value(static_cast<double>(m.colonne) * prezzo);
        } else {
            for (const char* campo : {"numeri", "fisse", "garanzia", "colonne", "costo"}) j.key(campo).value("NV");
        }
        j.endObject();
    }
    j.endArray().key("valuta").value(config.Euro ? "€" : "£").endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

}  // namespace ludo::cli
