// Builds the library of ready-made reduced systems shipped in Matrici: for
// every count of numbers, the greedy covering of all its 8-number columns at
// a 6-point guarantee ("NNF0B1.col") and at a 7-point one ("NNF0R1.col"),
// written with positions 1..n in place of numbers, each with a description
// file of the same name. Usage: genera-matrici DATA_FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "core/checking/Ricevitoria.h"
#include "core/columns/FileColonne.h"
#include "core/columns/GeneraColonne.h"
#include "core/engine/Riduzione.h"
#include "core/io/ProgramFolder.h"

namespace {

using namespace ludo;

struct Libreria {
    int garanzia;
    int daNumeri;
    int aNumeri;
};
// Larger systems than these take minutes to cover and cost more than a
// shop sells as a ready-made play.
constexpr Libreria kLibrerie[] = {{6, 9, 20}, {7, 9, 16}};

bool scriviDescrizione(const std::filesystem::path& file, int numeri, int garanzia, std::size_t colonne) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << "Sistema ridotto di " << numeri << " numeri senza fisse\r\n"
        << "Garanzia del " << (garanzia == 6 ? "6 (Sei)" : "7 (Sette)") << ": se gli 8 numeri vincenti sono\r\n"
        << "tra quelli giocati, almeno una colonna ne contiene " << garanzia << ".\r\n"
        << colonne << " colonne invece delle " << ColonneIntegrali((Colonna{1} << numeri) - 1)
        << " del sistema integrale.\r\n";
    return static_cast<bool>(out);
}

bool genera(const std::filesystem::path& cartella, int numeri, int garanzia) {
    ListaColonne colonne;
    GeneraColonne((Colonna{1} << numeri) - 1, 8, NessunAvanzamento(), [&](Colonna c) { colonne.Aggiungi(c); });
    if (!RiduzioneOttimizzata(colonne, 8 - garanzia, NessunAvanzamento(), [](int, auto, auto, auto) {})) return false;
    const auto nome = NomeMatriceAutomatica(numeri, 0, garanzia);
    const auto base = nome.substr(0, nome.find('.'));
    std::cout << nome << ": " << colonne.Conteggio() << " colonne\n";
    return ScriviFile(colonne, cartella / nome) &&
           scriviDescrizione(cartella / (base + ".txt"), numeri, garanzia, colonne.Conteggio());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "Uso: genera-matrici CARTELLA_DATI\n";
        return 2;
    }
    const auto cartella = std::filesystem::path(argv[1]) / std::string(io::kMatrici);
    std::filesystem::create_directories(cartella);
    for (const auto& libreria : kLibrerie) {
        for (int n = libreria.daNumeri; n <= libreria.aNumeri; ++n) {
            if (!genera(cartella, n, libreria.garanzia)) {
                std::cerr << "Impossibile scrivere la matrice di " << n << " numeri\n";
                return 1;
            }
        }
    }
    return 0;
}
