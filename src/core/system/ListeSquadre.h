#pragma once
// The four team lists (series A, B, C1, C2) from which the coupon is filled:
// sorted lists of names kept in text files of the program folder, one name a
// line, Windows-1252 with CR LF line ends.

#include <array>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace ludo {

enum class Serie { A, B, C1, C2 };
inline constexpr std::array<Serie, 4> TutteLeSerie = {Serie::A, Serie::B, Serie::C1, Serie::C2};

// "A", "B", "C1", "C2".
std::string_view NomeSerie(Serie serie);
// "\SquadrA.Txt" ... "\SquadrC2.Txt".
std::string_view NomeFileSerie(Serie serie);
// What the team-list window says of the list it shows: "Serie C1: 24 squadre".
std::string TitoloLista(Serie serie, std::size_t squadre);

// Team names in order: letters are compared without regard to case or
// accents ("Città", "citta" and "CITTÀ" are equal), everything else by its
// Windows-1252 code. A name goes after the names equal to it, so duplicates
// are kept in the order they came.
class ListaSquadre {
  public:
    [[nodiscard]] const std::vector<std::string>& Nomi() const { return nomi_; }

    // Returns the index where the name now stands.
    std::size_t Aggiungi(std::string nome);
    // Replaces the name at indice and moves it to its place in the order;
    // returns the new index. Both throw std::out_of_range for a bad index.
    std::size_t Sostituisci(std::size_t indice, std::string nome);
    void Cancella(std::size_t indice);
    void Svuota() { nomi_.clear(); }

    // Replaces the list with the lines of a text file. CR LF and LF line ends
    // are both accepted, the last line may lack one; blank lines are no team
    // and are skipped. False on a read error (what was read stays).
    bool Leggi(std::istream& in);
    // Every name followed by CR LF.
    bool Scrivi(std::ostream& out) const;

  private:
    std::vector<std::string> nomi_;
};

class ListeSquadre {
  public:
    ListaSquadre& operator[](Serie serie) { return liste_[static_cast<std::size_t>(serie)]; }
    const ListaSquadre& operator[](Serie serie) const {
        return liste_[static_cast<std::size_t>(serie)];
    }

    // Loads each list from its file in the program folder on its own. A list
    // that cannot be read stays empty and adds its message ("Impossibile
    // Caricare la Lista delle Squadre di Serie A"...) to the result.
    std::vector<std::string> Carica(const std::filesystem::path& cartella);
    // Saves each list on its own; the result holds the message of every list
    // that could not be written, whose file is left as it was.
    std::vector<std::string> Salva(const std::filesystem::path& cartella) const;

  private:
    std::array<ListaSquadre, TutteLeSerie.size()> liste_;
};

// A name as two names are compared: without the blanks around it, without
// regard to letter case or accents.
std::string ChiaveNomeSquadra(std::string_view nome);

// The check of the name window: a name must hold something besides blanks,
// otherwise Errore("Il Nome della Squadra non è Valido !").
void VerificaNomeSquadra(std::string_view nome);

}  // namespace ludo
