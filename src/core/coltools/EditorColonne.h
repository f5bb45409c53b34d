#pragma once
// The column editor's list: columns typed by hand, eight cells each, kept
// apart from the system's columns, with the file they come from and go to.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/columns/ListaColonne.h"

namespace ludo {

// One edited column: the numbers at positions 1..8 (indices 0..7), 0 for an
// empty cell. All eight 0 make an empty column.
using TCol8 = std::array<std::uint8_t, 8>;

inline constexpr int PosizioniColonna = 8;
inline constexpr char NomePersonali[] = "Personali.col";
inline constexpr char MsgNumeroNonValido[] = "Il numero selezionato non è valido";
inline constexpr char MsgNumeroRipetuto[] =
    "Il numero selezionato è stato inserito più di una volta";
inline constexpr char MsgColonneNonSalvate[] =
    "Le colonne non sono state salvate. Vuoi salvarle ? ";
inline constexpr char MsgImpossibileCaricareLeColonne[] = "Impossibile Caricare le Colonne";
inline constexpr char MsgImpossibileSalvareLeColonne[] = "Impossibile Salvare le Colonne";

bool ColonnaVuota(const TCol8& colonna);
// The set of the column's non-zero numbers.
Colonna Maschera(const TCol8& colonna);

// What a typed cell holds: its text without blanks read as an integer; an
// empty cell, a text that is not a number and values of 33 or more give 0.
std::uint8_t ValoreCella(std::string_view testo);

// The first cell a check refuses, with the message that says why.
struct CellaErrata {
    std::size_t indice;
    int posizione;  // 0..7
    const char* messaggio;
};

class EditorColonne {
public:
    // The scroll bar's first maximum, its large step and how much it grows.
    static constexpr std::size_t kMassimoIniziale = 1000;
    static constexpr std::size_t kCrescita = 200;

    // A new list, named COLONNE/Personali.col in the program folder.
    explicit EditorColonne(std::filesystem::path cartellaProgramma);

    [[nodiscard]] std::size_t Conteggio() const { return colonne_.size(); }
    [[nodiscard]] const TCol8& operator[](std::size_t indice) const { return colonne_[indice]; }
    // The number in a cell; 0 past the end of the list.
    [[nodiscard]] std::uint8_t Numero(std::size_t indice, int posizione) const;
    // A cell read back from the grid. A number past the end of the list
    // first fills the list with empty columns up to its column.
    void ImpostaNumero(std::size_t indice, int posizione, std::uint8_t numero);

    // Every non-empty column must hold eight numbers in 1..32, none twice.
    [[nodiscard]] std::optional<CellaErrata> Verifica() const;
    // Removes the empty columns.
    void Compatta();
    // Compacts, puts the numbers of each column in ascending order and the
    // columns in ascending order of their numbers, position by position.
    // True when a column or a number moved (removing empty columns changes
    // nothing a save writes).
    bool Ordina();
    // An empty column at indice, or at the end when indice is past it.
    void InserisciVuota(std::size_t indice);
    // False when there is no column at indice.
    bool Cancella(std::size_t indice);
    // The columns of a file, each inserted at indice (so they stand in
    // reverse order before the column that was there), or appended in order
    // when indice is past the end. A set of more than 8 numbers comes in as
    // its 8-number columns.
    void InserisciColonne(std::size_t indice, const ListaColonne& colonne);
    // The columns of a column file inserted as above. Throws
    // Errore(MsgImpossibileCaricareLeColonne) and changes nothing when the
    // file cannot be read.
    void InserisciFile(std::size_t indice, const std::filesystem::path& file);
    // The non-empty columns in order, as sets.
    [[nodiscard]] ListaColonne ColonneDaSalvare() const;

    // Empties the list and names it COLONNE/Personali.col again, as new.
    void Azzera();
    // Reads a column file in place of the list; the file becomes the list's
    // name. Throws Errore(MsgImpossibileCaricareLeColonne) and keeps the list
    // as it was when the file cannot be read.
    void CaricaFile(const std::filesystem::path& file);
    // Writes the non-empty columns to file, replacing it only once it is
    // whole; file becomes the list's name and the list counts as saved.
    // Throws Errore(MsgImpossibileSalvareLeColonne).
    void SalvaFile(const std::filesystem::path& file);
    // "Salva Colonne" asks for a name: the list was never saved under one.
    [[nodiscard]] bool DeveChiedereNome() const;
    // "Editor Colonnare - " and the file name without its folder.
    [[nodiscard]] std::string Titolo() const;

    // The scroll bar's maximum once the list holds conteggio columns: it
    // grows by kCrescita while the list holds more than maximum - kCrescita.
    static std::size_t MassimoScorrimento(std::size_t conteggio, std::size_t attuale);
    // The first shown column once the column at indice is made visible in a
    // view of visibili columns that starts at prima.
    static std::size_t PrimaVisibile(std::size_t indice, std::size_t prima, std::size_t visibili);

    std::filesystem::path NomeFile;
    bool SenzaNome = true;
    bool Modificato = false;

private:
    static ListaColonne Leggi(const std::filesystem::path& file);
    static void Aggiungi(std::vector<TCol8>& colonne, Colonna maschera);

    std::filesystem::path cartella_;
    std::vector<TCol8> colonne_;
};

}  // namespace ludo
