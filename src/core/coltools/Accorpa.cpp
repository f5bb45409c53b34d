#include "core/coltools/Accorpa.h"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <unordered_set>
#include <vector>

#include "core/columns/Sottoinsiemi.h"

namespace ludo {
namespace {

constexpr int kMassimoGruppo = 14;
constexpr std::size_t kColonneSchedina = 6;

struct Nodo {
    Colonna colonna;
    bool segnato;
};

std::uint64_t Colonne8(Colonna c) { return ColonneIntegrali(c); }

// Adds the 8-number columns of colonna to coperte, unless one of them is
// there already: a column the group holds twice must not be counted twice,
// or the integral column would play bets the list did not hold.
bool CopreDaSola(std::unordered_set<Colonna>& coperte, Colonna colonna) {
    bool nuova = true;
    detail::sottoinsiemi(colonna, 8, [&](Colonna s) { nuova = nuova && !coperte.contains(s); });
    if (nuova) detail::sottoinsiemi(colonna, 8, [&](Colonna s) { coperte.insert(s); });
    return nuova;
}

// Tries to grow the seed at position seme into a group of k numbers; on
// success the seed holds the group and the gathered columns are gone. Each
// distinct 8-number column counts once: a column sharing one with the seed
// or with a column gathered already is left where it is.
void ProvaSeme(std::vector<Nodo>& lista, std::size_t seme, int k, std::unordered_set<Colonna>& coperte) {
    const auto obiettivo = static_cast<std::uint64_t>(Binomiale(k, 8));
    std::uint64_t conteggio = 1;
    const Colonna seminata = lista[seme].colonna;
    Colonna unione = seminata;
    coperte.clear();
    for (std::size_t i = seme + 1; i < lista.size() && conteggio < obiettivo; ++i) {
        auto& nodo = lista[i];
        const bool entra = NumeroNumeri(unione | nodo.colonna) <= k;
        if (!entra && (nodo.colonna & ~unione) != 0) continue;
        if (NumeriComuni(nodo.colonna, seminata) >= 8 || !CopreDaSola(coperte, nodo.colonna)) continue;
        unione |= nodo.colonna;
        nodo.segnato = true;
        conteggio += Colonne8(nodo.colonna);
    }
    if (conteggio == obiettivo) {
        lista[seme].colonna = unione;
        std::erase_if(lista, [](const Nodo& n) { return n.segnato; });
    } else {
        for (auto& nodo : lista) nodo.segnato = false;
    }
}

}  // namespace

double EsitoAccorpa::Indice() const {
    return finali == 0 ? 0.0 : static_cast<double>(iniziali) / static_cast<double>(finali);
}

std::string EsitoAccorpa::TestoIndice() const {
    std::ostringstream testo;
    testo << Indice();  // general format, 6 significant digits
    return testo.str();
}

std::size_t EsitoAccorpa::Schedine() const { return (finali + kColonneSchedina - 1) / kColonneSchedina; }

int DimensioneAccorpamento(int partiteSelezionate, int passo) {
    return std::min(kMassimoGruppo, partiteSelezionate - passo + 1);
}

EsitoAccorpa Accorpa(ListaColonne& colonne, int partiteSelezionate, Avanzamento& avanzamento) {
    EsitoAccorpa esito;
    esito.iniziali = colonne.Conteggio();
    avanzamento.Fase("Passo 1");
    avanzamento.Progresso(0, 100);
    if (colonne.Vuota()) return esito;
    std::vector<Nodo> lista;
    lista.reserve(colonne.Conteggio());
    for (Colonna c : colonne) lista.push_back({c, false});
    std::unordered_set<Colonna> coperte;
    for (int passo = 1; DimensioneAccorpamento(partiteSelezionate, passo) > 8; ++passo) {
        const int k = DimensioneAccorpamento(partiteSelezionate, passo);
        avanzamento.Fase("Passo " + std::to_string(passo));
        for (std::size_t seme = 0; seme < lista.size(); ++seme) {
            ProvaSeme(lista, seme, k, coperte);
            if (avanzamento.annullato()) {
                esito.stato = EsitoAccorpa::Stato::Annullato;
                return esito;
            }
            avanzamento.Progresso(static_cast<std::int64_t>((seme + 1) * 100 / lista.size()), 100);
        }
        avanzamento.Progresso(100, 100);
    }
    colonne.Svuota();
    for (const auto& nodo : lista) colonne.Aggiungi(nodo.colonna);
    esito.stato = EsitoAccorpa::Stato::Completato;
    esito.finali = colonne.Conteggio();
    return esito;
}

}  // namespace ludo
