#pragma once
// A betting shop in a scratch program folder: the matrix library shipped
// with the program, the plays of a contest as the archive and ludomatic-cli
// read them back, and the guarantee a set of columns gives on the
// customer's numbers.

#include <QtTest>
#include <QtWidgets>
#include <filesystem>
#include <string>

#include "../controls/ControlliDiProva.h"
#include "../engine/SistemaDiProva.h"
#include "core/checking/ArchivioGiocate.h"
#include "core/columns/Sottoinsiemi.h"
#include "core/engine/Garanzie.h"
#include "ui/shop/TFormOrientamento.h"

class RicevitoriaDiProva : public SistemaDiProva {
  public:
    explicit RicevitoriaDiProva(std::int32_t concorso = 12) {
        std::filesystem::copy(LUDO_DATA_DIR "/Matrici", Cartella() / "Matrici",
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        d().Coupon.Concorso = concorso;
        d().Config.PrezzoLire = 800;
        d().Config.Euro = false;
    }

    // The plays recorded for the contest.
    [[nodiscard]] ludo::TArchivioGiocate Archivio() const {
        ludo::TArchivioGiocate a(d().Coupon.Concorso);
        a.Carica(Cartella());
        return a;
    }
    // Checks that what "ludomatic-cli giocate" prints for the contest holds each piece.
    void VerificaGiocate(std::initializer_list<std::string> pezzi) const {
        const std::string cli = Cli({"giocate", std::to_string(d().Coupon.Concorso)});
        for (const auto& pezzo : pezzi) QVERIFY2(cli.find(pezzo) != std::string::npos, cli.c_str());
    }
};

// The fewest points a column of `colonne` scores against the worst winning
// column of 8 of the numbers that holds every fixed one.
inline int PuntiGarantiti(const ludo::ListaColonne& colonne, ludo::Colonna numeri,
                          ludo::Colonna fisse) {
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

// Return in the spin box named prints: the orientation asked for is answered
// with "Stampa". How many times it was asked.
inline int StampaConInvio(const QWidget& finestra, const char* casella) {
    int domande = 0;
    QuandoSiApre<TFormOrientamento>([&](TFormOrientamento& o) {
        ++domande;
        Clic(o, "StampaBtn");
    });
    QTest::keyClick(C<QSpinBox>(finestra, casella), Qt::Key_Return);
    return domande;
}
