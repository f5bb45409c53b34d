// Builds the library of ready-made reduced systems shipped in Matrici: for
// 9..20 numbers with 0, 1 or 2 fixed numbers, the improved reduction of all
// their 8-number columns holding the fixed ones, at a 6-point guarantee
// ("NNFfB1.col") and at a 7-point one ("NNFfR1.col"). Columns use positions
// 1..n in place of numbers, the fixed numbers first; each matrix has a
// description file of the same name. The search is bounded by its swaps, so
// the library comes out the same on any machine; a matrix whose search the
// clock stops first is left out, and its old files removed; a matrix already
// there is only replaced by a smaller one.
// Usage: genera-matrici DATA_FOLDER [NUMBERS...] (all counts when none given)
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/checking/Ricevitoria.h"
#include "core/columns/FileColonne.h"
#include "core/columns/GeneraColonne.h"
#include "core/engine/RiduzioneMigliorata.h"
#include "core/io/ProgramFolder.h"

namespace {

using namespace ludo;

constexpr int kDaNumeri = 9;
constexpr int kANumeri = 20;
constexpr int kMassimoFisse = 2;
// A swap costs about the square of the columns one column covers, so each
// search (over the orbits, then over the columns) has kLavoro over that
// square swaps, within kMinimoPassi..kMassimoPassi, and ends after half of
// them without a smaller cover. The clock stops a search too slow to ship.
constexpr double kLavoro = 2e10;
constexpr std::uint64_t kMinimoPassi = 2'000;
constexpr std::uint64_t kMassimoPassi = 2'000'000;
constexpr double kSecondi = 900;

ParametriMigliorata parametri(int numeri, int fisse, int garanzia) {
    const int liberi = numeri - fisse;
    const int k = 8 - fisse;
    double vicine = 1;
    for (int d = 1; d <= 8 - garanzia; ++d) vicine += Binomiale(k, d) * Binomiale(liberi - k, d);
    const auto passi = std::clamp(static_cast<std::uint64_t>(kLavoro / (vicine * vicine)),
                                  kMinimoPassi, kMassimoPassi);
    ParametriMigliorata p;
    p.Secondi = kSecondi;
    p.Passi = 2 * passi;
    p.PassiSenzaMiglioramento = passi / 2;
    return p;
}

std::string testoFisse(int fisse) {
    if (fisse == 0) return "senza fisse";
    return fisse == 1 ? "con 1 fissa" : "con " + std::to_string(fisse) + " fisse";
}

bool scriviDescrizione(const std::filesystem::path& file, int numeri, int fisse, int garanzia,
                       std::size_t colonne) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << "Sistema ridotto di " << numeri << " numeri " << testoFisse(fisse) << "\r\n";
    if (fisse > 0) {
        out << (fisse == 1 ? "Il primo numero inserito compare"
                           : "I primi " + std::to_string(fisse) + " numeri inseriti compaiono")
            << " in ogni colonna.\r\n";
    }
    out << "Garanzia del " << (garanzia == 6 ? "6 (Sei)" : "7 (Sette)")
        << ": se gli 8 numeri vincenti sono\r\n"
        << "tra quelli giocati" << (fisse > 0 ? " e comprendono le fisse" : "")
        << ", almeno una colonna ne contiene " << garanzia << ".\r\n"
        << colonne << " colonne invece delle " << Binomiale(numeri - fisse, 8 - fisse)
        << " del sistema integrale.\r\n";
    return static_cast<bool>(out);
}

enum class Esito { Scritta, Esclusa, Errore };

// The columns of the matrix already in the library, 0 when there is none
// or it cannot be read: a matrix is only replaced by a smaller one, so that
// a search that happens to do worse than an earlier one loses nothing.
std::size_t Colonne(const std::filesystem::path& file) {
    ListaColonne lista;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec) || !LeggiFile(lista, file, false)) return 0;
    return lista.Conteggio();
}

Esito genera(const std::filesystem::path& cartella, int numeri, int fisse, int garanzia) {
    const Colonna tutte = (Colonna{1} << numeri) - 1;
    const Colonna posizioniFisse = (Colonna{1} << fisse) - 1;
    ListaColonne colonne;
    GeneraColonne(tutte & ~posizioniFisse, 8 - fisse, NessunAvanzamento(),
                  [&](Colonna c) { colonne.Aggiungi(c | posizioniFisse); });
    const auto esito = RiduzioneMigliorata(
        colonne, 8 - garanzia, parametri(numeri, fisse, garanzia), NessunAvanzamento(), {});
    const auto nome = NomeMatriceAutomatica(numeri, fisse, garanzia);
    const auto base = cartella / nome.substr(0, nome.find('.'));
    std::cout << nome << ": " << esito.Greedy << " -> " << esito.Finali << " colonne, "
              << esito.Passi << " scambi" << (esito.Scaduta ? ", tempo scaduto: esclusa" : "")
              << std::endl;
    if (esito.Scaduta) {
        std::error_code ec;
        std::filesystem::remove(cartella / nome, ec);
        std::filesystem::remove(base.string() + ".txt", ec);
        return Esito::Esclusa;
    }
    const std::size_t giaFatta = Colonne(cartella / nome);
    if (giaFatta > 0 && giaFatta <= colonne.Conteggio()) {
        std::cout << nome << ": tenuta quella di " << giaFatta << " colonne" << std::endl;
        return Esito::Scritta;
    }
    return ScriviFile(colonne, cartella / nome) &&
                   scriviDescrizione(base.string() + ".txt", numeri, fisse, garanzia,
                                     colonne.Conteggio())
               ? Esito::Scritta
               : Esito::Errore;
}

// The counts of numbers to make: those given after the folder, or all.
std::vector<int> numeriDa(int argc, char* argv[]) {
    std::vector<int> numeri;
    for (int i = 2; i < argc; ++i) {
        const int n = std::atoi(argv[i]);
        if (n < kDaNumeri || n > kANumeri) return {};
        numeri.push_back(n);
    }
    if (argc == 2) {
        for (int n = kDaNumeri; n <= kANumeri; ++n) numeri.push_back(n);
    }
    return numeri;
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto numeri = numeriDa(argc, argv);
    if (argc < 2 || numeri.empty()) {
        std::cerr << "Uso: genera-matrici CARTELLA_DATI [NUMERI...] (da " << kDaNumeri << " a "
                  << kANumeri << ")\n";
        return 2;
    }
    const auto cartella = std::filesystem::path(argv[1]) / std::string(io::kMatrici);
    std::filesystem::create_directories(cartella);
    for (int n : numeri) {
        for (int fisse = 0; fisse <= kMassimoFisse; ++fisse) {
            for (int garanzia : {6, 7}) {
                if (genera(cartella, n, fisse, garanzia) == Esito::Errore) {
                    std::cerr << "Impossibile scrivere la matrice di " << n << " numeri\n";
                    return 1;
                }
            }
        }
    }
    return 0;
}
