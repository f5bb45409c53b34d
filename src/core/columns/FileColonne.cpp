#include "core/columns/FileColonne.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <ios>
#include <optional>

#include "core/io/AtomicSave.h"
#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"
#include "core/io/Errore.h"

namespace ludo {
namespace {

constexpr std::size_t kByteMaschera = sizeof(Colonna);
constexpr std::size_t kByteBlocco = 1000 * kByteMaschera;
using Blocco = std::array<std::uint8_t, kByteBlocco>;

void scriviMaschera(Colonna c, std::uint8_t* byte) {
    for (std::size_t i = 0; i < kByteMaschera; ++i) {
        byte[i] = static_cast<std::uint8_t>(c >> (8 * i));
    }
}

Colonna leggiMaschera(const std::uint8_t* byte) {
    Colonna c = 0;
    for (std::size_t i = 0; i < kByteMaschera; ++i) c |= Colonna{byte[i]} << (8 * i);
    return c;
}

bool scriviBlocchi(const ListaColonne& lista, std::ostream& out) {
    io::BinaryWriter scrittore(out);
    Blocco blocco;
    std::size_t pieni = 0;
    for (const Colonna c : lista) {
        scriviMaschera(c, &blocco[pieni]);
        pieni += kByteMaschera;
        if (pieni == blocco.size()) {
            if (!scrittore.writeBytes(blocco)) return false;
            pieni = 0;
        }
    }
    return scrittore.writeBytes(std::span(blocco.data(), pieni));
}

// The bytes from the current position to the end; nothing when the stream
// cannot seek (a pipe), which is then simply read to its end.
std::optional<std::streamoff> byteRestanti(std::istream& in) {
    const auto qui = in.tellg();
    if (qui == std::streampos(-1)) return std::nullopt;
    in.seekg(0, std::ios::end);
    const auto fine = in.tellg();
    in.seekg(qui);
    if (!in || fine == std::streampos(-1)) {
        in.clear();
        in.seekg(qui);
        return std::nullopt;
    }
    return fine - qui;
}

bool troppeColonne(const ListaColonne& lista, std::istream& in) {
    const auto byte = byteRestanti(in);
    return byte && static_cast<std::uintmax_t>(*byte) / kByteMaschera > lista.MassimoColonne();
}

// False when the expansion would take the list past its limit.
bool accoda(ListaColonne& lista, Colonna maschera, bool espandi) {
    if (!espandi) {
        lista.Aggiungi(maschera);
        return true;
    }
    if (lista.Conteggio() + ColonneIntegrali(maschera) > lista.MassimoColonne()) return false;
    Espandi(lista, maschera, false);
    return true;
}

bool leggiBlocchi(ListaColonne& lista, std::istream& in, bool espandi) {
    io::BinaryReader lettore(in);
    Blocco blocco;
    for (;;) {
        const std::size_t letti = lettore.readSome(blocco);
        for (std::size_t i = 0; i + kByteMaschera <= letti; i += kByteMaschera) {
            if (!accoda(lista, leggiMaschera(&blocco[i]), espandi)) return false;
        }
        if (letti < blocco.size()) return !in.bad();
    }
}

}  // namespace

bool ScriviFile(const ListaColonne& lista, const std::filesystem::path& percorso) {
    const bool scritto =
        io::saveAtomically(percorso, [&](std::ostream& out) { return scriviBlocchi(lista, out); });
    if (!scritto) throw Errore(MsgErroreScritturaColonne);
    return true;
}

bool LeggiFile(ListaColonne& lista, std::istream& fileAperto, bool espandi) {
    lista.Svuota();
    bool letto = false;
    try {
        letto = !fileAperto.fail() && !troppeColonne(lista, fileAperto) &&
                leggiBlocchi(lista, fileAperto, espandi);
    } catch (const Errore&) {
        // The list ran out of memory (and emptied itself).
    } catch (const std::ios_base::failure&) {
        // A stream that throws on errors.
    }
    if (!letto) lista.Svuota();
    return letto;
}

bool LeggiFile(ListaColonne& lista, const std::filesystem::path& percorso, bool espandi) {
    std::ifstream in(percorso, std::ios::binary);
    return LeggiFile(lista, in, espandi);
}

}  // namespace ludo
