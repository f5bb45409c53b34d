#pragma once
// Helpers shared by the core tests: scratch folders, byte buffers built by
// hand from a format's layout, column lists, measure tables and progress
// sinks. It brings GoogleTest and the standard headers below, so the tests do
// not repeat them.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/columns/ListaColonne.h"
#include "core/conditions/TMisura.h"
#include "core/io/Avanzamento.h"
#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"
#include "core/io/Errore.h"
#include "core/io/ProgramFolder.h"

namespace ludo::test {

using Bytes = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("ludo-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// A scratch program folder with every sub-folder the program makes.
class CartellaProgramma : public TempDir {
public:
    CartellaProgramma() {
        for (const auto sotto : io::kSottocartelle) std::filesystem::create_directories(path() / std::string(sotto));
    }
};

// The mask of a set of match numbers 1..32.
inline std::uint32_t col(std::initializer_list<int> numeri) {
    std::uint32_t m = 0;
    for (int n : numeri) m |= std::uint32_t{1} << (n - 1);
    return m;
}

// The mask of the numbers 1..n.
inline Colonna primi(int n) { return n >= 32 ? 0xFFFFFFFFu : (Colonna{1} << n) - 1; }

// Adds to v every way of taking `mancano` more numbers of `resto` into
// `presa`, those with the lowest number first.
inline void aggiungiSottoinsiemi(Colonna resto, int mancano, Colonna presa,
                                 std::vector<Colonna>& v) {
    if (mancano == 0) return v.push_back(presa);
    for (Colonna r = resto; std::popcount(r) >= mancano; r &= r - 1) {
        const Colonna numero = r & (~r + 1);
        aggiungiSottoinsiemi(r & ~numero, mancano - 1, presa | numero, v);
    }
}

// Every k-number subset of insieme, in lexicographic order of the numbers.
inline std::vector<Colonna> sottoinsiemi(Colonna insieme, int k) {
    std::vector<Colonna> v;
    aggiungiSottoinsiemi(insieme, k, 0, v);
    return v;
}

// Every 8-number column of insieme, in lexicographic order of the numbers
// left out: first the one without its lowest numbers.
inline std::vector<Colonna> colonneDiOtto(Colonna insieme) {
    std::vector<Colonna> v;
    for (const Colonna fuori : sottoinsiemi(insieme, std::popcount(insieme) - 8))
        v.push_back(insieme & ~fuori);
    return v;
}

// Every 8-number column of numeri that holds all of fisse, in lexicographic
// order of the numbers.
inline std::vector<Colonna> colonneDi(Colonna numeri, Colonna fisse = 0) {
    std::vector<Colonna> v;
    aggiungiSottoinsiemi(numeri & ~fisse, 8 - std::popcount(fisse), fisse, v);
    return v;
}

// How many of the developed columns no kept column shares garanzia numbers with.
inline std::size_t scoperte(const std::vector<Colonna>& sviluppate,
                            const std::vector<Colonna>& tenute, int garanzia) {
    return static_cast<std::size_t>(
        std::count_if(sviluppate.begin(), sviluppate.end(), [&](Colonna c) {
            return std::none_of(tenute.begin(), tenute.end(),
                                [&](Colonna k) { return std::popcount(c & k) >= garanzia; });
        }));
}

inline void appendLE(Bytes& b, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) b.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Appends a byte sequence: Bytes, or an array of bytes.
template <class Pezzo = Bytes>
void appendBytes(Bytes& b, const Pezzo& pezzo) {
    b.insert(b.end(), std::begin(pezzo), std::end(pezzo));
}

inline void appendText(Bytes& b, const std::string& text) { b.insert(b.end(), text.begin(), text.end()); }

inline void appendDouble(Bytes& b, double value) { appendLE(b, std::bit_cast<std::uint64_t>(value), 8); }

// A short string: length byte, the text's bytes (already Windows-1252), zero
// bytes up to the capacity.
inline void appendShortString(Bytes& b, const std::string& bytes, std::size_t capacity) {
    b.push_back(static_cast<std::uint8_t>(bytes.size()));
    appendText(b, bytes);
    b.insert(b.end(), capacity - bytes.size(), 0);
}

// Gives the values of a measure table a state (and a recovery level).
inline void accetta(TabellaMisura& t, std::initializer_list<int> valori,
                    std::uint8_t stato = Accettato, std::uint8_t livello = 0) {
    for (int v : valori) t.Voci[static_cast<std::size_t>(v)] = {stato, livello};
}

// A value of a measure table as a record stores it.
struct VoceRegistrata {
    int valore;
    std::uint8_t stato;
    std::uint8_t livello = 0;
};

// One table of a measure record: InUso, Link, Campo, then Stato and Livello
// of the values 0..massimo+3, zero but for the given ones.
inline void appendTabella(Bytes& b, int massimo, bool inUso = false, char link = 'A',
                          std::int16_t campo = 0, std::initializer_list<VoceRegistrata> voci = {}) {
    b.push_back(inUso ? 1 : 0);
    b.push_back(static_cast<std::uint8_t>(link));
    appendLE(b, static_cast<std::uint16_t>(campo), 2);
    const std::size_t inizio = b.size();
    b.resize(inizio + 2 * static_cast<std::size_t>(massimo + 4), 0);
    for (const auto& v : voci) {
        b[inizio + 2 * static_cast<std::size_t>(v.valore)] = v.stato;
        b[inizio + 2 * static_cast<std::size_t>(v.valore) + 1] = v.livello;
    }
}

inline std::istringstream streamOf(const Bytes& b) {
    return std::istringstream(std::string(b.begin(), b.end()), std::ios::binary);
}

inline Bytes bytesOf(const std::string& s) { return Bytes(s.begin(), s.end()); }

inline void writeFile(const std::filesystem::path& p, const Bytes& b) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

inline Bytes readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string readText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What a writer puts on a stream, its result expected true.
template <class Scrivi>
Bytes scrittoSu(Scrivi&& scrivi) {
    std::ostringstream out(std::ios::binary);
    EXPECT_TRUE(scrivi(out));
    return bytesOf(out.str());
}

// What a record's writer puts out, its result expected true.
template <class Scrivi>
Bytes scritto(Scrivi&& scrivi) {
    return scrittoSu([&](std::ostream& out) {
        io::BinaryWriter w(out);
        return scrivi(w);
    });
}

// A reader over a copy of some bytes; a temporary one stands for its
// reader in a call.
struct Lettura {
    explicit Lettura(const Bytes& b) : in(streamOf(b)), r(in) {}
    operator io::BinaryReader&() { return r; }  // NOLINT(google-explicit-constructor)
    std::istringstream in;
    io::BinaryReader r;
};

// The text of the Errore that f raises; empty when it raises none.
template <class F>
std::string erroreDi(F&& f) {
    try {
        std::forward<F>(f)();
    } catch (const Errore& e) {
        return e.what();
    }
    return {};
}

inline ListaColonne listaDi(const std::vector<Colonna>& colonne) {
    ListaColonne lista;
    for (const Colonna c : colonne) lista.Aggiungi(c);
    return lista;
}

inline std::vector<Colonna> elenco(const ListaColonne& lista) {
    return {lista.begin(), lista.end()};
}

// A column file: the masks, 4 bytes each, least significant first.
inline Bytes maschereLE(const std::vector<Colonna>& colonne) {
    Bytes b;
    for (const Colonna c : colonne) appendLE(b, c, 4);
    return b;
}

// Cancels at poll number dopo + 1 (never when dopo is negative) and records
// what the operation reports.
class AnnullaDopo : public Avanzamento {
  public:
    explicit AnnullaDopo(int dopo = -1) : dopo_(dopo) {}
    [[nodiscard]] bool annullato() const override { return dopo_ >= 0 && ++controlli_ > dopo_; }
    void Progresso(std::int64_t fatto, std::int64_t totale) override {
        progressi.emplace_back(fatto, totale);
    }
    void Fase(std::string_view testo) override { fasi.emplace_back(testo); }

    std::vector<std::pair<std::int64_t, std::int64_t>> progressi;
    std::vector<std::string> fasi;

  private:
    int dopo_;
    mutable int controlli_ = 0;
};

}  // namespace ludo::test
