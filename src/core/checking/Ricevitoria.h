#pragma once
// The betting-shop computations: slip formats and their cost, the random
// techniques, the library of ready-made reduced systems ("matrices") and
// how a matrix is applied, the candidates of automatic reduced systems, the
// random slips, and the ".Rid" choice file.

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "core/columns/ListaColonne.h"
#include "core/columns/TCombinazione.h"
#include "core/columns/TGenColonneCasuali.h"

namespace ludo {

// ---- slip formats

inline constexpr int RigheFormatoSchedina = 34;
using FormatoRiga = std::array<int, 6>;  // numbers at each slip position, 0 = empty

// Row 1..34.
const FormatoRiga& FormatoSchedina(int riga);
// The row's cost in column prices: the sum of C(k, 8) of its positions.
std::uint64_t ColonneRiga(int riga);
// How many positions of the row hold a column.
int PosizioniPiene(int riga);
// All six positions hold columns of the same size (the rows whose slips
// can be kept as plain columns: 5 and 26).
bool SeiPosizioniUguali(int riga);
// The sizes of the row's columns: "10 9 8".
std::string TestoFormato(int riga);

// ---- random techniques

enum class Tecnica { Casuale, Statistica, CasualeConPicchetto };

// Sets the generator up for the technique; false when the forecast is too
// small for statistical weights (the caller shows MsgPronosticoInsufficiente).
bool ImpostaTecnica(TGenColonneCasuali& generatore, Tecnica tecnica, bool soloPronostico, const DatiPesi& dati);

// ---- random slips

struct SchedineGenerate {
    ListaColonne stampa;                          // the print list
    std::vector<std::array<Colonna, 6>> giocate;  // one slip play each
};

// Fixed cost: every slip of rigaMinima (rigaMassima ignored); otherwise each
// slip's row is drawn in rigaMinima..rigaMassima and padded with empty
// columns to 6 places. Errore(MsgPesiInsufficienti) when the weights cannot
// give a column.
SchedineGenerate GeneraSchedine(TGenColonneCasuali& generatore, std::mt19937& caso, int schedine, bool costoFisso,
                                int rigaMinima, int rigaMassima);

// ---- the matrix library

struct TMatrice {
    std::string nome;  // the file name
    bool leggibile = false;
    int numeri = 0;
    int fisse = 0;
    std::string garanzia;  // "1 Sei", "2 Sette"
    std::uint64_t colonne = 0;
};

// Reads a matrix name ("20F0B1.col": 20 numbers, 0 fixed, "1 Sei"): one or
// two digits, "F" or "S", the fixed count, "B" (Sei) or "R" (Sette) and the
// count of prizes ("1" when absent). Nothing for a name that does not read.
std::optional<TMatrice> LeggiNomeMatrice(const std::string& nome);

// The ".col" files of the "Matrici" folder, sorted by name; a name that does
// not read is listed with leggibile false. The column count is the file size
// over 4.
std::vector<TMatrice> ElencoMatrici(const std::filesystem::path& cartella);

// The lines of the matrix's description file (same base name, extension
// "txt"); for an unreadable name the three lines of the import message.
std::vector<std::string> DescrizioneMatrice(const std::filesystem::path& cartella, const TMatrice& matrice);

// Position p of every column becomes the p-th of the numbers (ascending);
// positions past the numbers given are dropped.
ListaColonne ApplicaMatrice(const ListaColonne& matrice, const TCombinazione& numeri);
// The numbers a matrix with fixed numbers is applied to: the fixed ones
// first, in the positions every column of the matrix holds, then the
// others; each group ascending.
TCombinazione NumeriDellaMatrice(Colonna tutti, Colonna fisse);

// ---- automatic systems

struct TSistCas {
    std::int32_t numeri = 0;
    std::int32_t fisse = 0;
    std::int32_t garanzia = 6;  // 6 or 7
    double costo = 0;
};

// The library's matrices costing minimo..maximo (columns times prezzo) with
// a ticked guarantee, cheapest first (a new one before the first of equal or
// higher cost).
std::vector<TSistCas> CandidatiAutomatici(const std::vector<TMatrice>& matrici, double prezzo, double minimo,
                                          double massimo, bool sei, bool sette);
// The candidate of system k (1-based) among quanti systems to generate.
std::size_t CandidatoDelSistema(std::size_t candidati, int quantiSistemi, int k);

// The matrix file of an automatic reduced system: "09F0B1.col" for 9
// numbers, 0 fixed, guarantee 6; guarantee 7 uses "R1", the letter the
// library's names use for "Sette".
std::string NomeMatriceAutomatica(int numeri, int fisse, int garanzia);

inline constexpr char MsgNessunSistemaDelTipo[] = "Non è disponibile nessun sistema del tipo specificato";
inline constexpr char MsgNessunSistemaDelCosto[] = "Non sono disponibili sistemi del costo specificato.";

// ---- the ".Rid" choice file

struct SceltaRidotto {
    std::string matrice;     // the matrix file name
    TCombinazione numeri;    // the chosen numbers
    std::string nomeCedola;  // the name on the receipt
};

inline constexpr char MsgErroreScritturaRid[] = "Errore Durante la Scrittura del File";
inline constexpr char MsgErroreCaricamentoRid[] = "Errore Durante il Caricamento del File";

bool ScriviRid(std::ostream& out, const SceltaRidotto& scelta);
bool LeggiRid(std::istream& in, SceltaRidotto& scelta);

}  // namespace ludo
