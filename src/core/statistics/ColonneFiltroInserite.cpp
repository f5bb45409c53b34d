#include "core/statistics/ColonneFiltroInserite.h"

#include <algorithm>

#include "core/archive/RegoleIntervallo.h"
#include "core/columns/FileColonne.h"
#include "core/columns/ListaColonne.h"
#include "core/io/Errore.h"

namespace ludo {

std::vector<Colonna> ColonneDaArchivio(const ArchivioConcorsi& archivio, const IntervalloRicerca& intervallo) {
    std::vector<Colonna> colonne;
    for (const std::size_t i : ConcorsiNellIntervallo(archivio, intervallo, TipiDiConcorso::Tutti)) {
        const Colonna vincente = archivio[i].Vincente;
        if (NumeroNumeri(vincente) == 8) colonne.push_back(vincente);
    }
    return colonne;
}

std::vector<Colonna> ColonneDaFile(const std::filesystem::path& file) {
    ListaColonne lista;
    if (!LeggiFile(lista, file, false)) throw Errore(MsgErroreLetturaFileColonnare);
    return {lista.begin(), lista.end()};
}

std::vector<Colonna> ColonneDaFisse(const std::vector<TFisse>& classifica, std::size_t iniziale, std::size_t finale) {
    std::vector<Colonna> colonne;
    const std::size_t ultimo = std::min(finale, classifica.size());
    for (std::size_t r = std::max<std::size_t>(iniziale, 1); r <= ultimo; ++r) colonne.push_back(classifica[r - 1].Numeri);
    return colonne;
}

}  // namespace ludo
