// ludomatic-cli archivio: list, add and delete contests of the archive, and
// show its cached analysis tables.
#include <charconv>
#include <optional>
#include <ostream>

#include "cli/Argomenti.h"
#include "cli/Comandi.h"
#include "cli/Json.h"
#include "core/archive/ArchivioConcorsi.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"

namespace ludo::cli {
namespace {

constexpr const char* kVincenteNonValido = "La colonna vincente deve contenere numeri da 1 a 32 separati da spazi.";
constexpr const char* kConcorsoAssente = "Il concorso non è presente in archivio.";

std::filesystem::path cartellaArchivi(const Contesto& contesto) {
    return io::resolvePath(contesto.cartella, std::string(io::kArchivi));
}

// The archive of the program folder; intervallo becomes the whole archive.
ArchivioConcorsi caricaArchivio(const Contesto& contesto, IntervalloRicerca& intervallo) {
    ArchivioConcorsi archivio;
    archivio.Carica(cartellaArchivi(contesto), intervallo);
    if (!archivio.ConcorsiValidi) throw Errore(MsgImpossibileCaricareArchivio);
    return archivio;
}

ArchivioConcorsi caricaArchivio(const Contesto& contesto) {
    IntervalloRicerca intervallo;
    return caricaArchivio(contesto, intervallo);
}

// As the maintenance window's OK: the analyses follow the contests.
void salvaArchivio(const Contesto& contesto, ArchivioConcorsi& archivio) {
    archivio.RicalcolaAnalisi();
    if (!archivio.Salva(cartellaArchivi(contesto))) throw Errore(MsgImpossibileSalvareModifiche);
}

std::uint8_t tipo(const Argomenti& argomenti) {
    const std::string testo = argomenti.opzione("--tipo").value_or("Serie A");
    if (auto t = TipoDaNome(testo)) return *t;
    if (auto t = TipoDaNome("Serie " + testo)) return *t;
    throw Errore("Tipo di concorso non valido: scegliere tra Serie A, Serie B, Serie C e Altri.");
}

Colonna vincente(const Argomenti& argomenti) {
    const auto testo = argomenti.opzione("--vincente");
    if (!testo) throw Errore(MsgQuantitaNumeri);
    return leggiNumeri(*testo, kVincenteNonValido);
}

void scriviConcorso(Json& j, const T_Concorso& c) {
    j.beginObject();
    j.key("anno").value(static_cast<int>(c.Anno));
    j.key("numero").value(static_cast<int>(c.NumConcorso));
    j.key("tipo").value(NomeTipoConcorso(c.TipoConcorso));
    j.key("vincente").beginArray();
    for (int n = 1; n <= 32; ++n) {
        if (c.Vincente & (Colonna{1} << (n - 1))) j.value(n);
    }
    j.endArray().endObject();
}

int elenca(Contesto& contesto) {
    IntervalloRicerca intervallo;
    const auto archivio = caricaArchivio(contesto, intervallo);
    Json j;
    j.beginObject().key("concorsi").beginArray();
    for (const auto& c : archivio.Concorsi()) scriviConcorso(j, c);
    j.endArray();
    j.key("intervallo").beginObject();
    j.key("tipi").value(static_cast<int>(intervallo.Tipi));
    j.key("annoDa").value(intervallo.AnnoDa).key("concDa").value(intervallo.ConcDa);
    j.key("annoA").value(intervallo.AnnoA).key("concA").value(intervallo.ConcA);
    j.endObject();
    j.key("analisiValide").value(archivio.AnalisiValide);
    j.endObject();
    contesto.out << j.str() << "\n";
    return 0;
}

T_Concorso concorsoDagliArgomenti(const Argomenti& argomenti) {
    T_Concorso c;
    c.Anno = static_cast<std::uint16_t>(argomenti.intero("--anno", 1980, 2098));
    c.NumConcorso = static_cast<std::uint8_t>(argomenti.intero("--numero", 1, 99));
    c.TipoConcorso = tipo(argomenti);
    c.Vincente = vincente(argomenti);
    return c;
}

int aggiungi(Contesto& contesto, const Argomenti& argomenti) {
    auto archivio = caricaArchivio(contesto);
    const auto c = concorsoDagliArgomenti(argomenti);
    AggiungiConcorso(archivio, c);
    salvaArchivio(contesto, archivio);
    Json j;
    scriviConcorso(j, c);
    contesto.out << j.str() << "\n";
    return 0;
}

int elimina(Contesto& contesto, const Argomenti& argomenti) {
    auto archivio = caricaArchivio(contesto);
    const auto anno = static_cast<std::uint16_t>(argomenti.intero("--anno", 1900, 2155));
    const auto numero = static_cast<std::uint8_t>(argomenti.intero("--numero", 1, 255));
    const auto indice = archivio.Indice(anno, numero);
    if (!indice) throw Errore(kConcorsoAssente);
    const T_Concorso eliminato = archivio[*indice];
    EliminaConcorso(archivio, *indice);
    salvaArchivio(contesto, archivio);
    Json j;
    scriviConcorso(j, eliminato);
    contesto.out << j.str() << "\n";
    return 0;
}

void scriviElementi(Json& j, const std::vector<TElemRFRM>& lista) {
    j.beginArray();
    for (const auto& e : lista) {
        j.beginObject().key("frequenza").value(e.Frequenza).key("ritardo").value(e.Ritardo);
        j.key("ritardoMax").value(e.RitardoMax).endObject();
    }
    j.endArray();
}

int analisi(Contesto& contesto) {
    auto archivio = caricaArchivio(contesto);
    auto oggetti = archivio.Analisi.Oggetti();
    Json j;
    j.beginArray();
    for (std::size_t i = 0; i < AnalisiArchivio::NumeroTabelle; ++i) {
        const auto& file = AnalisiArchivio::Tabelle[i];
        const TCondizione& oggetto = *oggetti[file.oggetto];
        const T_FrequenzeRitardi& t = archivio.Analisi.Tabella(i);
        j.beginObject().key("condizione").value(oggetto.Nome).key("modo").value(static_cast<int>(oggetto.Modo));
        j.key("tabella").value(file.nome);
        j.key("maxValore").value(t.MaxValore()).key("numConcorsi").value(t.NumConcorsi());
        j.key("punti");
        scriviElementi(j, t.ListaPunti());
        j.key("cons");
        scriviElementi(j, t.ListaCons());
        j.endObject();
    }
    j.endArray();
    contesto.out << j.str() << "\n";
    return 0;
}

}  // namespace

int comandoArchivio(Contesto& contesto, const Argomenti& argomenti) {
    const auto sottocomando = argomenti.sottocomando();
    if (sottocomando == "aggiungi") return aggiungi(contesto, argomenti);
    if (sottocomando == "elimina") return elimina(contesto, argomenti);
    if (sottocomando == "analisi") return analisi(contesto);
    return elenca(contesto);
}

}  // namespace ludo::cli
