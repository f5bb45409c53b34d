#pragma once
// A program folder whose archive holds the contests a test gives, loaded as
// the main window loads it, and the boxes of a range of the archive.

#include "../controls/ControlliDiProva.h"
#include "../engine/SistemaDiProva.h"
#include "core/archive/ArchivioConcorsi.h"
#include "ui/controls/TGSpinEdit.h"

inline ludo::T_Concorso Concorso(int anno, int numero, std::uint8_t tipo,
                                 std::initializer_list<int> numeri) {
    return {static_cast<std::uint16_t>(anno), static_cast<std::uint8_t>(numero), tipo,
            Numeri(numeri)};
}

inline TGSpinEdit& Casella(const QWidget& f, const char* nome) { return *C<TGSpinEdit>(f, nome); }

// The four boxes of a range of the archive as seasons' first years and contest numbers.
inline QList<int> Intervallo(const QWidget& f) {
    return {Casella(f, "SEAnnoDa").value() - 1, Casella(f, "SEConcDa").value(),
            Casella(f, "SEAnnoA").value() - 1, Casella(f, "SEConcA").value()};
}

class ArchivioDiProva : public SistemaDiProva {
  public:
    explicit ArchivioDiProva(std::initializer_list<ludo::T_Concorso> concorsi) {
        auto& archivio = d().Archivio;
        for (const auto& c : concorsi) archivio.InserisciOrdinato(c);
        archivio.RicalcolaAnalisi();
        if (!archivio.Salva(CartellaArchivi())) qFatal("archive not written");
        archivio.Carica(CartellaArchivi(), d().Config.Ricerca.Intervallo);
    }
    [[nodiscard]] std::filesystem::path CartellaArchivi() const {
        return ludo::io::resolvePath(Cartella(), std::string(ludo::io::kArchivi));
    }
};

// The contest as ludomatic-cli archivio lists it.
inline std::string ElencatoDallaCli(const ludo::T_Concorso& c) {
    std::string numeri;
    for (int n = 1; n <= 32; ++n) {
        if ((c.Vincente & (ludo::Colonna{1} << (n - 1))) == 0) continue;
        numeri += (numeri.empty() ? "" : ",") + std::to_string(n);
    }
    return "{\"anno\":" + std::to_string(c.Anno) + ",\"numero\":" + std::to_string(c.NumConcorso) +
           ",\"tipo\":\"" + std::string(ludo::NomeTipoConcorso(c.TipoConcorso)) +
           "\",\"vincente\":[" + numeri + "]}";
}
