#include "core/io/FileWav.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string_view>

namespace ludo::io {

namespace {

constexpr std::uint16_t FormatoPcm = 1;
// A recording of speech is far smaller: a longer file is not read whole.
constexpr std::uintmax_t DimensioneMassima = 64u << 20;

std::uint32_t Parola32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
           std::uint32_t{b[at + 3]} << 24;
}

std::uint16_t Parola16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

bool Etichetta(std::span<const std::uint8_t> b, std::size_t at, std::string_view nome) {
    return std::equal(nome.begin(), nome.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

// The "fmt " chunk: PCM, 1..2 channels, 8 or 16 bits, a frame size that agrees.
bool LeggiFormato(std::span<const std::uint8_t> corpo, SuonoWav& suono) {
    if (corpo.size() < 16) return false;
    suono.Canali = Parola16(corpo, 2);
    suono.Frequenza = Parola32(corpo, 4);
    suono.Bit = Parola16(corpo, 14);
    const bool valido = Parola16(corpo, 0) == FormatoPcm && (suono.Canali == 1 || suono.Canali == 2) &&
                        (suono.Bit == 8 || suono.Bit == 16) && suono.Frequenza > 0 &&
                        Parola16(corpo, 12) == suono.BytePerFrame();
    return valido;
}

}  // namespace

std::int64_t SuonoWav::DurataMs() const {
    if (Frequenza == 0 || BytePerFrame() == 0) return 0;
    const auto frames = static_cast<std::int64_t>(Dati.size() / BytePerFrame());
    return frames * 1000 / Frequenza;
}

std::span<const std::uint8_t> SuonoWav::Tratto(std::int64_t daMs, std::int64_t aMs) const {
    if (Frequenza == 0 || BytePerFrame() == 0) return {};
    const auto frames = static_cast<std::int64_t>(Dati.size() / BytePerFrame());
    const auto frame = [&](std::int64_t ms) { return std::clamp(ms * Frequenza / 1000, std::int64_t{0}, frames); };
    const std::int64_t inizio = frame(daMs);
    const std::int64_t fine = std::max(inizio, frame(aMs));
    const auto passo = static_cast<std::int64_t>(BytePerFrame());
    return std::span<const std::uint8_t>(Dati).subspan(static_cast<std::size_t>(inizio * passo),
                                                       static_cast<std::size_t>((fine - inizio) * passo));
}

std::optional<SuonoWav> LeggiWav(std::span<const std::uint8_t> file) {
    if (file.size() < 12 || !Etichetta(file, 0, "RIFF") || !Etichetta(file, 8, "WAVE")) return std::nullopt;
    SuonoWav suono;
    bool formato = false;
    std::size_t at = 12;
    while (file.size() - at >= 8) {
        const std::uint32_t dichiarata = Parola32(file, at + 4);
        const std::size_t inizio = at + 8;
        const std::size_t lunghezza = std::min<std::size_t>(dichiarata, file.size() - inizio);
        const auto corpo = file.subspan(inizio, lunghezza);
        if (Etichetta(file, at, "fmt ")) {
            formato = LeggiFormato(corpo, suono);
            if (!formato) return std::nullopt;
        } else if (Etichetta(file, at, "data")) {
            if (!formato) return std::nullopt;
            const std::size_t interi = corpo.size() - corpo.size() % suono.BytePerFrame();
            suono.Dati.assign(corpo.begin(), corpo.begin() + static_cast<std::ptrdiff_t>(interi));
            return suono;
        }
        // Chunks are padded to an even length.
        if (lunghezza < dichiarata) break;
        at = inizio + lunghezza + (lunghezza & 1u);
        if (at > file.size()) break;
    }
    return std::nullopt;
}

std::optional<SuonoWav> LeggiWav(const std::filesystem::path& file) {
    std::error_code ec;
    const auto dimensione = std::filesystem::file_size(file, ec);
    if (ec || dimensione > DimensioneMassima) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    const std::vector<std::uint8_t> byte{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return LeggiWav(std::span<const std::uint8_t>(byte));
}

}  // namespace ludo::io
