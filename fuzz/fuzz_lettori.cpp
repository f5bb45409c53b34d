// Feeds arbitrary bytes to the file readers. The first byte picks the reader
// so that one corpus exercises all of them; later readers are added to the
// table below.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "core/archive/ArchivioConcorsi.h"
#include "core/checking/ArchivioGiocate.h"
#include "core/checking/Ricevitoria.h"
#include "core/coltools/Conversione.h"
#include "core/columns/FileColonne.h"
#include "core/columns/TCombinazione.h"
#include "core/conditions/TInsiemeLink.h"
#include "core/conditions/TQuadro.h"
#include "core/io/BinaryReader.h"
#include "core/io/Cp1252.h"
#include "core/io/Errore.h"
#include "core/io/Real48.h"
#include "core/io/ShortString.h"
#include "core/io/TextList.h"
#include "core/system/Configurazione.h"
#include "core/system/ListeSquadre.h"
#include "core/system/Schedina.h"
#include "core/system/T_Sistema.h"
#include "core/update/ParametriAggiornamento.h"

namespace {

using ludo::io::BinaryReader;
using Lettore = void (*)(std::istream& in);

void primitive(std::istream& in) {
    BinaryReader r(in);
    std::uint32_t mask = 0;
    std::int32_t number = 0;
    double real = 0;
    std::string text;
    std::vector<std::string> lines;
    while (r.ok()) {
        r.read(mask);
        r.read(number);
        ludo::io::readReal48(r, real);
        ludo::io::readShortString(r, 20, text);
        ludo::io::readTextList(r, lines);
        r.read(real);
    }
}

void testo(std::istream& in) {
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ludo::io::utf8ToCp1252(ludo::io::cp1252ToUtf8(bytes));
    ludo::io::utf8ToCp1252(bytes);
}

void listaTesti(std::istream& in) {
    BinaryReader r(in);
    std::vector<std::string> lines;
    ludo::io::readTextList(r, lines);
}

void configurazione(std::istream& in) {
    BinaryReader r(in);
    ludo::Configurazione config;
    ludo::LeggiConfigurazione(r, config);
}

void schedina(std::istream& in) {
    BinaryReader r(in);
    ludo::Schedina s;
    ludo::LeggiSchedina(r, s);
}

void listaSquadre(std::istream& in) {
    ludo::ListaSquadre lista;
    lista.Leggi(in);
}

void colonne(std::istream& in, bool espandi) {
    // A small limit keeps expanded 32-number masks from filling memory.
    ludo::ListaColonne lista(20'000);
    ludo::LeggiFile(lista, in, espandi);
}
void colonneSemplici(std::istream& in) { colonne(in, false); }
void colonneEspanse(std::istream& in) { colonne(in, true); }

void combinazioni(std::istream& in) {
    BinaryReader r(in);
    ludo::TCombinazione combinazione;
    while (combinazione.Leggi(r)) {
        combinazione.Ordina();
        static_cast<void>(combinazione.Contiene(static_cast<int>(combinazione.Maschera() & 0x7FFF)));
    }
}

// Contests, then the analysis tables recomputed from whatever they hold.
void archivio(std::istream& in) {
    ludo::ArchivioConcorsi a;
    a.LeggiConcorsi(in);
    ludo::IntervalloRicerca intervallo;
    ludo::IntervalloTuttoArchivio(intervallo, a);
    a.RicalcolaAnalisi();
}

// archdb.ttg, written back when it was read.
void analisiArchivio(std::istream& in) {
    ludo::ArchivioConcorsi a;
    if (!a.LeggiAnalisi(in)) return;
    std::ostringstream out(std::ios::binary);
    a.ScriviAnalisi(out);
}

void insiemeLink(std::istream& in) {
    BinaryReader r(in);
    ludo::TInsiemeLink insieme;
    if (insieme.Carica(r) && insieme.AggiornaStatoLink()) static_cast<void>(insieme.Verdetto());
}

// A system file, then every column of it tested against its conditions.
void sistema(std::istream& in) {
    static ludo::T_Sistema s("/nonexistent-ludomatic-fuzz");
    s.Nuovo();
    try {
        s.Leggi(in);
    } catch (const ludo::Errore&) {
        return;
    }
    s.PreparaCondizioni();
    std::size_t provate = 0;
    for (ludo::Colonna c : s.Dati->Colonne) {
        if (++provate > 64) break;
        s.Dati->Condizioni.Verifica(c);
    }
}

// A condition record (.CND holds several, .QDR one board), tested on a
// column and added to its statistics.
void condizioni(std::istream& in) {
    static ludo::TCondizioniSistema insieme;
    ludo::io::BinaryReader r(in);
    while (!r.atEnd()) {
        bool fine = false;
        auto c = ludo::LeggiCondizione(r, &insieme, fine);
        if (c == nullptr) return;
        c->AdattaIntervallo();
        c->AggiornaStato();
        c->ImpostaPercorso("");
        c->Verifica(0x0F0F);
        c->AccumulaColonna(0x8001F00F);
        static_cast<void>(c->Copia());
    }
}

// The same bytes read in each of the nine conversion formats.
void formatiConversione(std::istream& in) {
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    for (int f = 0; f < ludo::NumeroFormati; ++f) {
        std::istringstream sorgente(bytes, std::ios::binary);
        ludo::LettoreColonne lettore(sorgente, static_cast<ludo::FormatoColonne>(f));
        ludo::Colonna c = 0;
        while (lettore.Leggi(c) == ludo::LettoreColonne::Esito::Colonna) {
        }
    }
}

void archivioGiocate(std::istream& in) {
    ludo::TArchivioGiocate archivio(1);
    if (archivio.Leggi(in)) {
        static_cast<void>(archivio.Costo(1));
        archivio.Spoglio(0xFF);
    }
}

void sceltaRidotto(std::istream& in) {
    ludo::SceltaRidotto scelta;
    if (ludo::LeggiRid(in, scelta)) {
        static_cast<void>(ludo::LeggiNomeMatrice(scelta.matrice));
        ludo::ListaColonne matrice;
        matrice.Aggiungi(0xFFFFFFFFU);
        static_cast<void>(ludo::ApplicaMatrice(matrice, scelta.numeri));
    }
}

void parametriAggiornamento(std::istream& in) { static_cast<void>(ludo::LeggiParametri(in, "4.0")); }

constexpr Lettore kLettori[] = {primitive,       testo,          listaTesti,   configurazione,
                                schedina,        listaSquadre,   colonneSemplici, colonneEspanse,
                                combinazioni,    archivio,       analisiArchivio, insiemeLink,
                                sistema,         condizioni,     formatiConversione, archivioGiocate,
                                parametriAggiornamento, sceltaRidotto};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), std::ios::binary);
    kLettori[data[0] % std::size(kLettori)](in);
    return 0;
}
