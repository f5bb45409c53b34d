#pragma once
// The column list: an ordered sequence of columns with the operations of a
// singly linked list (append at the tail, insert before the head, empty,
// count, walk from head to tail). The order is significant: it is the order
// in which columns are written, printed and shown.
//
// The columns are kept 4 bytes each in fixed blocks of contiguous masks
// (a table of blocks), so both ends grow in constant time, nothing is ever
// moved, and the 10,518,300 columns of a 32-number development take about
// 42 MB instead of millions of separate nodes.

#include <cstddef>
#include <cstdint>
#include <vector>
#include <iterator>
#include <memory>

#include "core/columns/Colonna.h"

namespace ludo {

inline constexpr char MsgMemoriaEsaurita[] = "Memoria Esaurita.";

class ListaColonne {
public:
    // Columns per block: 64 KB of masks.
    static constexpr std::size_t kColonneBlocco = 16384;
    // The most columns a list holds unless told otherwise: 1 GiB of masks,
    // 25 times a whole 32-number development. Going past the limit is
    // treated as running out of memory, so that a hostile file or expansion
    // ends with a message instead of the system killing the process.
    static constexpr std::size_t kMassimoColonne = std::size_t{1} << 28;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Colonna;
        using difference_type = std::ptrdiff_t;
        using pointer = const Colonna*;
        using reference = const Colonna&;

        const_iterator() = default;
        reference operator*() const { return lista_->in(posizione_); }
        const_iterator& operator++() {
            ++posizione_;
            return *this;
        }
        const_iterator operator++(int) {
            auto prima = *this;
            ++posizione_;
            return prima;
        }
        bool operator==(const const_iterator& altro) const {
            return posizione_ == altro.posizione_;
        }

    private:
        friend class ListaColonne;
        const_iterator(const ListaColonne* lista, std::size_t posizione)
            : lista_(lista), posizione_(posizione) {}
        const ListaColonne* lista_ = nullptr;
        std::size_t posizione_ = 0;  // from the start of the first block
    };

    ListaColonne() = default;
    explicit ListaColonne(std::size_t massimoColonne) : massimo_(massimoColonne) {}
    // A copy has the same columns and the same limit.
    ListaColonne(const ListaColonne& altra);
    ListaColonne& operator=(const ListaColonne& altra);
    // A moved-from list is empty. Moves are noexcept so that containers move
    // lists instead of copying them; the block table may need a few bytes
    // for the emptied list, and lacking even those ends the program.
    ListaColonne(ListaColonne&& altra) noexcept;
    ListaColonne& operator=(ListaColonne&& altra) noexcept;
    ~ListaColonne() = default;

    // Starts the list empty (the same as Svuota: the list always owns its
    // storage, there is nothing uninitialised to forget).
    void Inizializza() { Svuota(); }
    // Removes every column and gives the memory back.
    void Svuota();

    // Appends at the tail. When memory runs out or the list already holds
    // MassimoColonne() columns, the whole list is emptied and
    // Errore(MsgMemoriaEsaurita) is thrown.
    void Aggiungi(Colonna maschera) {
        if (coda_ == fineCoda_) PreparaCoda();
        *coda_++ = maschera;
        ++conteggio_;
    }

    // Inserts before the head; the new column becomes the head (and the tail
    // of an empty list). Memory failure as for Aggiungi.
    void Inserisci(Colonna maschera) {
        if (conteggio_ == massimo_) esaurita();
        if (primo_ == 0) BloccoInTesta();
        --primo_;
        in(primo_) = maschera;
        ++conteggio_;
        AzzeraCoda();  // the room left before the limit has changed
    }

    [[nodiscard]] std::size_t Conteggio() const { return conteggio_; }
    [[nodiscard]] bool Vuota() const { return conteggio_ == 0; }
    [[nodiscard]] std::size_t MassimoColonne() const { return massimo_; }

    // From head to tail.
    [[nodiscard]] const_iterator begin() const { return {this, primo_}; }
    [[nodiscard]] const_iterator end() const { return {this, primo_ + conteggio_}; }

    // Bytes held for the columns and for the block table.
    [[nodiscard]] std::size_t MemoriaUsata() const;

private:
    using Blocco = std::unique_ptr<Colonna[]>;

    const Colonna& in(std::size_t posizione) const {
        return blocchi_[posizione / kColonneBlocco][posizione % kColonneBlocco];
    }
    Colonna& in(std::size_t posizione) {
        return blocchi_[posizione / kColonneBlocco][posizione % kColonneBlocco];
    }
    void BloccoInCoda();
    void BloccoInTesta();
    // Makes room at the tail (a new block, or the limit reached) and points
    // coda_/fineCoda_ at the free masks of the last block, never past the limit.
    void PreparaCoda();
    void AzzeraCoda() { coda_ = fineCoda_ = nullptr; }
    [[noreturn]] void esaurita();

    std::vector<Blocco> blocchi_;  // block table: one load per access
    std::size_t primo_ = 0;  // where the head stands in the first block
    std::size_t conteggio_ = 0;
    std::size_t massimo_ = kMassimoColonne;
    // The free masks after the tail in the last block: the append's fast path.
    Colonna* coda_ = nullptr;
    Colonna* fineCoda_ = nullptr;
};

// Empties destinazione and appends every column of sorgente in order.
// Copying a list onto itself leaves it as it is.
void Copia(const ListaColonne& sorgente, ListaColonne& destinazione);

// Appends the 8-number columns of a set, emptying the list first when
// svuotaPrima. A set of 8 numbers is appended as it is; a larger set is
// replaced by all its 8-number subsets, ordered by the positions of the
// numbers left out (for 10 numbers: without the 1st and 2nd, the 1st and 3rd,
// ..., the 9th and 10th); a smaller set adds nothing.
void Espandi(ListaColonne& lista, Colonna maschera, bool svuotaPrima);

}  // namespace ludo
