#include "core/columns/ListaColonne.h"

#include <algorithm>
#include <bit>
#include <new>
#include <utility>

#include "core/io/Errore.h"

namespace ludo {

ListaColonne::ListaColonne(const ListaColonne& altra) : massimo_(altra.massimo_) {
    Copia(altra, *this);
}

ListaColonne& ListaColonne::operator=(const ListaColonne& altra) {
    if (this != &altra) {
        massimo_ = altra.massimo_;
        Copia(altra, *this);
    }
    return *this;
}

ListaColonne::ListaColonne(ListaColonne&& altra) noexcept
    : blocchi_(std::move(altra.blocchi_)),
      primo_(std::exchange(altra.primo_, 0)),
      conteggio_(std::exchange(altra.conteggio_, 0)),
      massimo_(altra.massimo_) {
    altra.blocchi_.clear();  // a moved-from vector is only "valid"; make it empty
    altra.AzzeraCoda();
}

ListaColonne& ListaColonne::operator=(ListaColonne&& altra) noexcept {
    if (this != &altra) {
        blocchi_ = std::move(altra.blocchi_);
        primo_ = std::exchange(altra.primo_, 0);
        conteggio_ = std::exchange(altra.conteggio_, 0);
        massimo_ = altra.massimo_;
        altra.blocchi_.clear();
        AzzeraCoda();
        altra.AzzeraCoda();
    }
    return *this;
}

void ListaColonne::Svuota() {
    blocchi_.clear();
    blocchi_.shrink_to_fit();
    primo_ = 0;
    conteggio_ = 0;
    AzzeraCoda();
}

std::size_t ListaColonne::MemoriaUsata() const {
    return blocchi_.size() * (kColonneBlocco * sizeof(Colonna) + sizeof(Blocco));
}

// A failure empties the list, so a half-done operation never leaves a list
// that looks complete.
void ListaColonne::esaurita() {
    Svuota();
    throw Errore(MsgMemoriaEsaurita);
}

void ListaColonne::BloccoInCoda() {
    try {
        blocchi_.push_back(std::make_unique_for_overwrite<Colonna[]>(kColonneBlocco));
    } catch (const std::bad_alloc&) {
        esaurita();
    }
}

void ListaColonne::PreparaCoda() {
    if (conteggio_ >= massimo_) esaurita();
    const std::size_t coda = primo_ + conteggio_;
    if (coda == blocchi_.size() * kColonneBlocco) BloccoInCoda();
    Colonna* blocco = blocchi_[coda / kColonneBlocco].get();
    const std::size_t dentro = coda % kColonneBlocco;
    coda_ = blocco + dentro;
    fineCoda_ = blocco + std::min(kColonneBlocco, dentro + (massimo_ - conteggio_));
}

void ListaColonne::BloccoInTesta() {
    try {
        blocchi_.insert(blocchi_.begin(), std::make_unique_for_overwrite<Colonna[]>(kColonneBlocco));
    } catch (const std::bad_alloc&) {
        esaurita();
    }
    primo_ = kColonneBlocco;
}

void Copia(const ListaColonne& sorgente, ListaColonne& destinazione) {
    if (&sorgente == &destinazione) return;
    destinazione.Svuota();
    for (const Colonna c : sorgente) destinazione.Aggiungi(c);
}

namespace {

constexpr int kNumeriColonna = 8;

// Leaves out, one at a time, every number of the set from the da-th smallest
// on; a remainder of 8 numbers is a column, a larger one is expanded again
// from the position of the number just left out. Leaving out a number past
// the 9th would leave fewer numbers after it than must still go, so those
// branches would add nothing: they are skipped (for 32 numbers they are
// billions of calls).
void espandiDa(ListaColonne& lista, Colonna maschera, int da) {
    const bool restanoOtto = NumeroNumeri(maschera) == kNumeriColonna + 1;
    Colonna candidati = maschera;
    for (int i = 1; i < da; ++i) candidati &= candidati - 1;
    for (int posizione = da; candidati != 0 && posizione <= kNumeriColonna + 1;
         ++posizione, candidati &= candidati - 1) {
        const Colonna resto = maschera & ~(Colonna{1} << std::countr_zero(candidati));
        if (restanoOtto) {
            lista.Aggiungi(resto);
        } else {
            espandiDa(lista, resto, posizione);
        }
    }
}

}  // namespace

void Espandi(ListaColonne& lista, Colonna maschera, bool svuotaPrima) {
    if (svuotaPrima) lista.Svuota();
    const int numeri = NumeroNumeri(maschera);
    if (numeri == kNumeriColonna) {
        lista.Aggiungi(maschera);
    } else if (numeri > kNumeriColonna) {
        espandiDa(lista, maschera, 1);
    }
}

}  // namespace ludo
