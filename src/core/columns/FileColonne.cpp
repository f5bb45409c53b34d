#include "core/columns/FileColonne.h"

#include <fstream>
#include <ios>

#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"
#include "core/io/Errore.h"

namespace ludo {
namespace {

constexpr std::size_t kByteMaschera = sizeof(Colonna);

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

bool leggiTutte(ListaColonne& lista, LetturaFileColonne& lettura, bool espandi) {
    for (auto blocco = lettura.Prossime(); !blocco.empty(); blocco = lettura.Prossime()) {
        for (const Colonna c : blocco) {
            if (!accoda(lista, c, espandi)) return false;
        }
    }
    return !lettura.Errore();
}

}  // namespace

bool ScritturaFileColonne::Aggiungi(Colonna c) {
    for (std::size_t i = 0; i < kByteMaschera; ++i) blocco_[pieni_ + i] = static_cast<std::uint8_t>(c >> (8 * i));
    pieni_ += kByteMaschera;
    ++scritte_;
    if (pieni_ == blocco_.size()) return Svuota();
    return buono_;
}

bool ScritturaFileColonne::Svuota() {
    if (pieni_ > 0 && buono_) buono_ = io::BinaryWriter(out_).writeBytes(std::span(blocco_.data(), pieni_));
    pieni_ = 0;
    return buono_;
}

std::span<const Colonna> LetturaFileColonne::Prossime() {
    if (finito_) return {};
    std::array<std::uint8_t, ColonneBloccoFile * kByteMaschera> byte{};
    const std::size_t letti = io::BinaryReader(in_).readSome(byte);
    const std::size_t quante = letti / kByteMaschera;
    for (std::size_t i = 0; i < quante; ++i) {
        Colonna c = 0;
        for (std::size_t b = 0; b < kByteMaschera; ++b) c |= Colonna{byte[i * kByteMaschera + b]} << (8 * b);
        colonne_[i] = c;
    }
    if (letti < byte.size()) {
        finito_ = true;
        errore_ = in_.bad();
        if (errore_) return {};
    }
    return std::span(colonne_.data(), quante);
}

std::optional<std::uint64_t> LetturaFileColonne::Restanti() {
    const auto qui = in_.tellg();
    if (qui == std::streampos(-1)) return std::nullopt;
    in_.seekg(0, std::ios::end);
    const auto fine = in_.tellg();
    in_.seekg(qui);
    if (!in_ || fine == std::streampos(-1)) {
        in_.clear();
        in_.seekg(qui);
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(fine - qui) / kByteMaschera;
}

bool ScriviColonne(const ListaColonne& lista, std::ostream& out) {
    ScritturaFileColonne scrittura(out);
    for (const Colonna c : lista) {
        if (!scrittura.Aggiungi(c)) return false;
    }
    return scrittura.Svuota();
}

bool ScriviFile(const ListaColonne& lista, const std::filesystem::path& percorso) {
    FileColonneInScrittura file(percorso);
    bool scritto = file.Aperto();
    for (auto it = lista.begin(); scritto && it != lista.end(); ++it) scritto = file.Aggiungi(*it);
    if (!scritto || !file.Conferma()) throw Errore(MsgErroreScritturaColonne);
    return true;
}

bool LeggiFile(ListaColonne& lista, std::istream& fileAperto, bool espandi) {
    lista.Svuota();
    bool letto = false;
    try {
        LetturaFileColonne lettura(fileAperto);
        const auto restanti = fileAperto.fail() ? std::nullopt : lettura.Restanti();
        letto = !fileAperto.fail() && !(restanti && *restanti > lista.MassimoColonne()) &&
                leggiTutte(lista, lettura, espandi);
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
