#pragma once
// What the betting-shop windows print: one automatic system (integral or
// reduced from the matrix library) or a ready-made reduced system applied to
// the customer's numbers, with the receipt that describes it and the play to
// record.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/checking/ArchivioGiocate.h"
#include "core/checking/Ricevitoria.h"
#include "core/columns/ListaColonne.h"
#include "core/columns/TGenColonneCasuali.h"
#include "core/system/Costi.h"

namespace ludo {

inline constexpr int TipoIntegrale = 8;  // besides the guarantees 6 and 7
inline constexpr char MsgErroreFileRidotto[] = "Errore nel file del ridotto";

// The receipt lines an automatic system or a ready-made reduced system fills
// (index 1..5 of the 11 lines of the receipt slip; the others stay empty).
using RigheCedolina = std::array<std::string, 11>;

// How costs and the contest appear on the receipt.
struct ImpostazioniCedolina {
    double prezzo = 0;  // of one 8-number column
    bool euro = false;
    bool stampaConcorso = false;
    std::int32_t concorso = 0;
    FormatoNumeri formato;
};

struct SistemaDaStampare {
    ListaColonne colonne;                     // the print list
    RigheCedolina righe;                      // the receipt lines
    std::array<Colonna, 2> colonneCedolina{};  // the two columns drawn on the receipt
    std::int32_t numeri = 0;
    bool integrale = false;
    double costo = 0;
};

// What one automatic system is made of: n numbers, f fixed, the type (6 or
// 7 for a reduced system, TipoIntegrale), and its number k in the batch.
struct RichiestaSistema {
    int numeri = 0;
    int fisse = 0;
    int tipo = TipoIntegrale;
    int indice = 1;
};

// Draws the numbers of system k and builds its print list and receipt: an
// integral of n numbers, or the library matrix NomeMatriceAutomatica(n, f,
// tipo) applied to them, the f fixed ones in its first positions.
// Errore(MsgNessunSistemaDelTipo) when the matrix is missing; the
// generator's Errore when its weights cannot give the numbers.
SistemaDaStampare PreparaSistemaAutomatico(const std::filesystem::path& cartella, TGenColonneCasuali& generatore,
                                           const RichiestaSistema& richiesta, const ImpostazioniCedolina& cedolina);

// A ready-made reduced system applied to the chosen numbers, the fixed ones
// (fisse, among them) in the matrix's first positions: the print list and
// the receipt with the name when one is given.
SistemaDaStampare PreparaRidottoImmediato(const ListaColonne& matrice, const TMatrice& info,
                                          const TCombinazione& numeri, Colonna fisse, const std::string& nome,
                                          const ImpostazioniCedolina& cedolina);

// Records the play: an integral play or a system play of its columns.
void RegistraGiocata(TArchivioGiocate& archivio, const SistemaDaStampare& sistema);

// The position of the matrix named nome in the library list (letter case
// ignored); nothing when it is not there, and the window then shows
// MsgErroreFileRidotto and selects the first matrix.
std::optional<std::size_t> TrovaMatrice(const std::vector<TMatrice>& elenco, const std::string& nome);

// "20 Numeri", "9 Numeri con 1 Fissa", "12 Numeri con 2 Fisse".
std::string TestoNumeriEFisse(int numeri, int fisse);

}  // namespace ludo
