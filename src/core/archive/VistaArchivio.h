#pragma once
// The archive view's table: for each family of measures the user ticks, the
// values its measures give on each contest's winning column, as whole
// numbers, after the four fixed columns of the contest.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace ludo {

class ArchivioConcorsi;

// The families, in the order their columns stand in the table.
enum class FamigliaVista {
    Somme,
    NumeroSequenze,
    ConsecutivitaNumerica,
    Interruzioni,
    PariDispari,
    Simmetrie,
    Vortici,
    Ripetizioni,
    Resti,
    DistanzeGlobali,
    Baricentri,
    Accoppiate,
    Terzine,
    Quartine,
};
inline constexpr std::size_t NumeroFamiglie = 14;

// Tick box text of a family ("Somme", …, "Num. di Sequenze").
const char* NomeFamiglia(FamigliaVista famiglia);

// One header block of the table: a title over its sub-headings, spanning
// the kinds of its value columns ("Pt" points, "Cs" consecutiveness, "Ps"
// position, "Br" arms).
struct IntestazioneVista {
    std::string Titolo;
    std::string Sottotitolo;
    std::vector<std::string> Tipi;
};

using FamiglieVista = std::array<bool, NumeroFamiglie>;  // ticked, by FamigliaVista

// The header blocks of the ticked families, in table order.
std::vector<IntestazioneVista> IntestazioniVista(const FamiglieVista& famiglie);

// The fixed columns and the values of one contest row.
struct RigaVista {
    std::string Anno;     // " A"
    std::string Numero;   // " N"
    std::string Tipo;     // "T": "A", "B", "C" or "Altri"
    std::string Colonna;  // the winning numbers as the contest window writes them
    std::vector<int> Valori;
};

// The row of the contest at indice. Measures against earlier contests use
// the contests before it in archive order; a missing one counts as a column
// without numbers.
RigaVista RigaVistaArchivio(const ArchivioConcorsi& archivio, std::size_t indice, const FamiglieVista& famiglie);

}  // namespace ludo
