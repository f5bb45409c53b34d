#include "core/checking/SpoglioStorico.h"

#include <algorithm>

#include "core/columns/FileColonne.h"
#include "core/io/Errore.h"
#include "core/io/Formato.h"

namespace ludo {

namespace {

// One contest: the counts of its row, the totals, the contests with each
// score and the scores each column reached.
void ContaConcorso(const ListaColonne& lista, const T_Concorso& concorso, EsitoSpoglioStorico& esito) {
    RigaConcorso riga{concorso, {}};
    const Colonna vincente = concorso.Vincente;
    std::size_t i = 0;
    for (const Colonna c : lista) {
        const int k = std::min(NumeriComuni(c, vincente), 8);
        ++riga.Punti[static_cast<std::size_t>(k)];
        esito.PuntiColonna[i++] |= static_cast<std::uint16_t>(1u << k);
    }
    for (std::size_t k = 0; k < riga.Punti.size(); ++k) {
        auto& s = esito.Punteggio[k];
        s.Vincite += riga.Punti[k];
        if (riga.Punti[k] > 0) {
            ++s.Concorsi;
            s.RitardoAttuale = 0;
        } else {
            s.RitardoMassimo = std::max(s.RitardoMassimo, ++s.RitardoAttuale);
        }
    }
    esito.Dettaglio.push_back(riga);
}

std::string TestoDueDecimali(double valore) { return io::FormatoReale("%.2f", valore); }

std::string TestoTipo(std::uint8_t tipo) {
    switch (tipo) {
        case SerieA: return "A";
        case SerieB: return "B";
        case SerieC: return "C";
        default: return "Altri";
    }
}

// A one-digit count gets one leading blank.
std::string TestoConteggio(std::int32_t n) {
    const std::string testo = std::to_string(n);
    return testo.size() == 1 ? " " + testo : testo;
}

}  // namespace

EsitoSpoglioStorico SpoglioStorico(const ListaColonne& lista, const ArchivioConcorsi& archivio,
                                   const IntervalloRicerca& intervallo, Avanzamento& avanzamento) {
    EsitoSpoglioStorico esito;
    esito.PuntiColonna.assign(lista.Conteggio(), 0);
    avanzamento.Fase(MsgAnalisiColonnare);
    const auto totale = static_cast<std::int64_t>(archivio.Conteggio());
    for (std::size_t i = 0; i < archivio.Conteggio(); ++i) {
        const T_Concorso& concorso = archivio[i];
        if (!ConcorsoSelezionato(intervallo, concorso)) continue;
        if (avanzamento.annullato()) {
            esito.Interrotto = true;
            return esito;
        }
        ++esito.Concorsi;
        ContaConcorso(lista, concorso, esito);
        avanzamento.Progresso(static_cast<std::int64_t>(i) + 1, totale);
    }
    return esito;
}

std::vector<std::array<std::string, 6>> RigheGenerali(const EsitoSpoglioStorico& esito) {
    std::vector<std::array<std::string, 6>> righe;
    for (std::size_t k = 0; k < esito.Punteggio.size(); ++k) {
        const auto& s = esito.Punteggio[k];
        const std::string frequenza =
            s.Concorsi == 0 ? "0" : TestoDueDecimali(static_cast<double>(esito.Concorsi) / s.Concorsi);
        const std::string ic =
            esito.Concorsi == 0
                ? "0"
                : TestoDueDecimali(static_cast<double>(s.Concorsi) / esito.Concorsi * s.RitardoAttuale);
        righe.push_back({std::to_string(k), std::to_string(s.Vincite), frequenza,
                         std::to_string(s.RitardoAttuale), std::to_string(s.RitardoMassimo), ic});
    }
    return righe;
}

bool RigaEvidenziata(const std::array<std::string, 6>& riga) {
    const std::string& ic = riga[5];
    return !ic.empty() && ic[0] >= '1' && ic[0] <= '9';
}

std::vector<std::array<std::string, 12>> RigheDettaglio(const EsitoSpoglioStorico& esito) {
    std::vector<std::array<std::string, 12>> righe;
    righe.reserve(esito.Dettaglio.size());
    for (const auto& d : esito.Dettaglio) {
        std::array<std::string, 12> riga{"  " + std::to_string(d.Concorso.NumConcorso),
                                         " " + std::to_string(d.Concorso.Anno),
                                         "   " + TestoTipo(d.Concorso.TipoConcorso)};
        for (int k = 8; k >= 0; --k)
            riga[static_cast<std::size_t>(11 - k)] = TestoConteggio(d.Punti[static_cast<std::size_t>(k)]);
        righe.push_back(std::move(riga));
    }
    return righe;
}

std::string TestoRisultatiConfronto(const EsitoSpoglioStorico& esito) {
    return "Risultati del confronto con le " + std::to_string(esito.Concorsi) + " colonne dell'archivio";
}

const std::array<std::string, 6> IntestazioniGenerali = {"Punteggio", "Vincite",  "Freq.",
                                                         "Rit. Att.", "Rit. Max", "  IC"};
const std::array<std::string, 12> IntestazioniDettaglio = {"Conc.", "Anno", "Tipo", " 8", " 7", " 6",
                                                           " 5",    " 4",   " 3",   " 2", " 1", " 0"};

std::vector<std::vector<std::string>> TabellaEsportazione(const EsitoSpoglioStorico& esito) {
    std::vector<std::vector<std::string>> foglio;
    foglio.emplace_back(IntestazioniGenerali.begin(), IntestazioniGenerali.end());
    foglio.emplace_back();
    for (const auto& riga : RigheGenerali(esito)) foglio.emplace_back(riga.begin(), riga.end());
    foglio.resize(foglio.size() + 3);
    foglio.emplace_back(IntestazioniDettaglio.begin(), IntestazioniDettaglio.end());
    foglio.emplace_back();
    for (const auto& riga : RigheDettaglio(esito)) foglio.emplace_back(riga.begin(), riga.end());
    return foglio;
}

FoglioEsportazione FoglioSpoglioStorico(const EsitoSpoglioStorico& esito) {
    constexpr std::size_t primaRigaGenerale = 2;  // after the headings and an empty row
    constexpr double margine = 2;
    FoglioEsportazione foglio{TabellaEsportazione(esito), {}, {}};
    foglio.Evidenziata.assign(foglio.Righe.size(), false);
    const auto generali = RigheGenerali(esito);
    for (std::size_t k = 0; k < generali.size(); ++k)
        foglio.Evidenziata[primaRigaGenerale + k] = RigaEvidenziata(generali[k]);
    for (const auto& riga : foglio.Righe) {
        if (foglio.Larghezze.size() < riga.size()) foglio.Larghezze.resize(riga.size(), 0);
        for (std::size_t j = 0; j < riga.size(); ++j)
            foglio.Larghezze[j] = std::max(foglio.Larghezze[j], static_cast<double>(riga[j].size()) + margine);
    }
    return foglio;
}

ListaColonne ColonneConPunti(const ListaColonne& lista, const EsitoSpoglioStorico& esito,
                             std::uint16_t punteggi) {
    ListaColonne scelte;
    std::size_t i = 0;
    for (const Colonna c : lista) {
        if (i < esito.PuntiColonna.size() && (esito.PuntiColonna[i] & punteggi) != 0) scelte.Aggiungi(c);
        ++i;
    }
    return scelte;
}

void SalvaColonneConPunti(const ListaColonne& lista, const EsitoSpoglioStorico& esito,
                          std::uint16_t punteggi, const std::filesystem::path& percorso) {
    if ((punteggi & 0x1FF) == 0) throw Errore(MsgSelezionarePunteggio);
    const ListaColonne scelte = ColonneConPunti(lista, esito, punteggi);
    try {
        ScriviFile(scelte, percorso);
    } catch (const Errore&) {
        throw Errore(MsgImpossibileSalvareColonne);
    }
}

}  // namespace ludo
