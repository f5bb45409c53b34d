#pragma once
// A betting shop in a scratch program folder: the matrix library shipped
// with the program, the plays of a contest as ludomatic-cli reads them back,
// and the guarantee a set of columns gives on the customer's numbers.

#include <QtTest>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Comandi.h"
#include "core/columns/Sottoinsiemi.h"
#include "core/engine/Garanzie.h"
#include "../engine/SistemaDiProva.h"

class RicevitoriaDiProva : public SistemaDiProva {
public:
    explicit RicevitoriaDiProva(std::int32_t concorso = 12) {
        std::filesystem::copy(LUDO_DATA_DIR "/Matrici", Cartella() / "Matrici",
                              std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
        d().Coupon.Concorso = concorso;
        d().Config.PrezzoLire = 800;
        d().Config.Euro = false;
    }

    // What "ludomatic-cli giocate" prints for the contest.
    [[nodiscard]] std::string Giocate() const {
        std::ostringstream out;
        std::ostringstream err;
        const std::vector<std::string> argomenti{"giocate", std::to_string(d().Coupon.Concorso)};
        ludo::cli::esegui(argomenti, Cartella(), out, err);
        return out.str();
    }
};

// The fewest points a column of `colonne` scores against the worst winning
// column of 8 of the numbers that holds every fixed one.
inline int PuntiGarantiti(const ludo::ListaColonne& colonne, ludo::Colonna numeri, ludo::Colonna fisse) {
    const ludo::ContaPunti conta(colonne, numeri);
    int minimo = 8;
    ludo::detail::sottoinsiemi(numeri, 8, [&](ludo::Colonna vincente) {
        if ((vincente & fisse) != fisse) return;
        const auto p = conta.Conta(vincente);
        const int punti = p.Punti8 > 0 ? 8 : p.Punti7 > 0 ? 7 : p.Punti6 > 0 ? 6 : 5;
        minimo = std::min(minimo, punti);
    });
    return minimo;
}
