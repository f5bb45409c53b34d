#include "core/coltools/OperazioniColonne.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <random>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/columns/FileColonne.h"
#include "core/io/Errore.h"

namespace ludo {
namespace {

constexpr std::size_t kPassoAvanzamento = 20;

// An ordered list of columns that knows at once whether it holds a column
// and can drop the first occurrence of one: each value chains its
// occurrences by index, oldest first.
class ListaIndicizzata {
public:
    [[nodiscard]] bool Contiene(Colonna c) const { return catene_.contains(c); }

    void Aggiungi(Colonna c) {
        const auto indice = static_cast<std::uint32_t>(colonne_.size());
        colonne_.push_back(c);
        successiva_.push_back(kNessuna);
        rimossa_.push_back(false);
        auto [catena, nuova] = catene_.try_emplace(c, Catena{indice, indice});
        if (!nuova) {
            successiva_[catena->second.ultima] = indice;
            catena->second.ultima = indice;
        }
    }

    void RimuoviPrima(Colonna c) {
        const auto catena = catene_.find(c);
        if (catena == catene_.end()) return;
        const auto prima = catena->second.prima;
        rimossa_[prima] = true;
        if (prima == catena->second.ultima) {
            catene_.erase(catena);
        } else {
            catena->second.prima = successiva_[prima];
        }
    }

    [[nodiscard]] ListaColonne Risultato() const {
        ListaColonne lista;
        for (std::size_t i = 0; i < colonne_.size(); ++i) {
            if (!rimossa_[i]) lista.Aggiungi(colonne_[i]);
        }
        return lista;
    }

private:
    static constexpr std::uint32_t kNessuna = 0xFFFFFFFFU;
    struct Catena {
        std::uint32_t prima;
        std::uint32_t ultima;
    };
    std::vector<Colonna> colonne_;
    std::vector<std::uint32_t> successiva_;
    std::vector<bool> rimossa_;
    std::unordered_map<Colonna, Catena> catene_;
};

// Reports the percentage done every 20 columns, when it has grown.
class Indicatore {
public:
    Indicatore(Avanzamento& avanzamento, std::uint64_t totale) : avanzamento_(avanzamento), totale_(totale) {}
    void Colonna(std::uint64_t fatte) {
        if (fatte % kPassoAvanzamento != 0 || totale_ == 0) return;
        const auto percento = static_cast<std::int64_t>(fatte * 100 / totale_);
        if (percento > ultimo_) {
            ultimo_ = percento;
            avanzamento_.Progresso(percento, 100);
        }
    }

private:
    Avanzamento& avanzamento_;
    std::uint64_t totale_;
    std::int64_t ultimo_ = 0;
};

std::vector<Colonna> LeggiPrimo(const std::filesystem::path& percorso, const char* messaggio) {
    ListaColonne lista;
    if (!LeggiFile(lista, percorso, false)) throw Errore(messaggio);
    return {lista.begin(), lista.end()};
}

// Calls azione for each column of the file, 1,000 at a time; stops early
// when azione returns false. Returns false when it was stopped.
template <typename Azione>
bool ScorriSecondo(const std::filesystem::path& percorso, Avanzamento& avanzamento, Azione&& azione) {
    std::ifstream in(percorso, std::ios::binary);
    if (!in) throw Errore(MsgOperazioniSuiFile);
    LetturaFileColonne lettura(in);
    Indicatore indicatore(avanzamento, lettura.Restanti().value_or(0));
    std::uint64_t fatte = 0;
    for (auto blocco = lettura.Prossime(); !blocco.empty(); blocco = lettura.Prossime()) {
        for (const Colonna c : blocco) {
            azione(c);
            indicatore.Colonna(++fatte);
            if (avanzamento.annullato()) return false;
        }
    }
    if (lettura.Errore()) throw Errore(MsgOperazioniSuiFile);
    return true;
}

void Scrivi(const ListaColonne& lista, const std::filesystem::path& uscita, const char* messaggio) {
    try {
        if (!ScriviFile(lista, uscita)) throw Errore(messaggio);
    } catch (const Errore&) {
        throw Errore(messaggio);
    }
}

EsitoOperazione Annullata(Avanzamento& avanzamento) {
    avanzamento.Progresso(0, 100);
    EsitoOperazione esito;
    esito.annullata = true;
    return esito;
}

EsitoOperazione Concludi(const ListaColonne& risultato, bool copertura, const std::filesystem::path& uscita,
                         Avanzamento& avanzamento) {
    avanzamento.Progresso(100, 100);
    EsitoOperazione esito;
    esito.colonne = risultato.Conteggio();
    const std::string titolo = copertura ? "Colonne Scoperte : " : "Colonne Ottenute : ";
    if (risultato.Vuota()) {
        esito.messaggio = titolo + "0  Nessun File Creato";
        return esito;
    }
    Scrivi(risultato, uscita, MsgOperazioniSuiFile);
    esito.fileScritto = true;
    esito.messaggio = titolo + std::to_string(esito.colonne);
    return esito;
}

EsitoOperazione Disordina(const std::filesystem::path& file, const std::filesystem::path& uscita,
                          Avanzamento& avanzamento, std::uint32_t seme) {
    auto colonne = LeggiPrimo(file, MsgOperazioniSulFile);
    // Fisher-Yates: every order equally likely, as inserting each column at
    // a uniformly drawn position of those placed so far.
    std::mt19937 caso(seme);
    Indicatore indicatore(avanzamento, colonne.size());
    for (std::size_t i = colonne.size(); i > 1; --i) {
        std::uniform_int_distribution<std::size_t> posizione(0, i - 1);
        std::swap(colonne[i - 1], colonne[posizione(caso)]);
        indicatore.Colonna(colonne.size() - i + 1);
        if (avanzamento.annullato()) return Annullata(avanzamento);
    }
    ListaColonne lista;
    for (Colonna c : colonne) lista.Aggiungi(c);
    Scrivi(lista, uscita, MsgOperazioniSulFile);
    EsitoOperazione esito;
    esito.fileScritto = true;
    esito.colonne = lista.Conteggio();
    esito.messaggio = MsgElaborazioneTerminata;
    return esito;
}

}  // namespace

const char* NomeOperazione(Operazione operazione) {
    switch (operazione) {
        case Operazione::Or: return " OR";
        case Operazione::And: return " AND";
        case Operazione::Xor: return " XOR";
        case Operazione::CoperturaN1: return " Copertura N-1";
        case Operazione::CoperturaN2: return " Copertura N-2";
        case Operazione::Disordinatore: return " Disordinatore";
    }
    return "";
}

EsitoOperazione EseguiOperazione(Operazione operazione, const std::filesystem::path& primo,
                                 const std::filesystem::path& secondo, const std::filesystem::path& uscita,
                                 Avanzamento& avanzamento, std::uint32_t seme) {
    if (operazione == Operazione::Disordinatore) return Disordina(primo, uscita, avanzamento, seme);
    const auto prime = LeggiPrimo(primo, MsgOperazioniSuiFile);
    ListaColonne risultato;
    bool finita = true;
    if (operazione == Operazione::Or || operazione == Operazione::Xor) {
        ListaIndicizzata lista;
        const bool unione = operazione == Operazione::Or;
        auto combina = [&](Colonna c) {
            if (!lista.Contiene(c)) {
                lista.Aggiungi(c);
            } else if (!unione) {
                lista.RimuoviPrima(c);
            }
        };
        for (Colonna c : prime) {
            if (unione) {
                combina(c);
            } else {
                lista.Aggiungi(c);
            }
        }
        finita = ScorriSecondo(secondo, avanzamento, combina);
        risultato = lista.Risultato();
    } else if (operazione == Operazione::And) {
        const std::unordered_set<Colonna> presenti(prime.begin(), prime.end());
        finita = ScorriSecondo(secondo, avanzamento, [&](Colonna c) {
            if (presenti.contains(c)) risultato.Aggiungi(c);
        });
    } else {
        const int soglia = operazione == Operazione::CoperturaN1 ? 7 : 6;
        finita = ScorriSecondo(secondo, avanzamento, [&](Colonna c) {
            const bool coperta =
                std::any_of(prime.begin(), prime.end(), [&](Colonna s) { return NumeriComuni(s, c) >= soglia; });
            if (!coperta) risultato.Aggiungi(c);
        });
    }
    if (!finita) return Annullata(avanzamento);
    const bool copertura = operazione == Operazione::CoperturaN1 || operazione == Operazione::CoperturaN2;
    return Concludi(risultato, copertura, uscita, avanzamento);
}

}  // namespace ludo
