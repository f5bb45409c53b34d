#pragma once
// RIFF/WAVE recordings in plain PCM (8 or 16 bits, mono or stereo): the
// format read by the players of recorded speech. The samples stay as the
// file stores them; a stretch of time is cut out as bytes, whole frames only.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace ludo::io {

struct SuonoWav {
    std::uint32_t Frequenza = 0;  // frames per second
    std::uint16_t Canali = 0;     // 1 or 2
    std::uint16_t Bit = 0;        // 8 (unsigned) or 16 (signed) per sample
    std::vector<std::uint8_t> Dati;

    [[nodiscard]] std::size_t BytePerFrame() const { return std::size_t{Canali} * (Bit / 8u); }
    // Length of the recording in milliseconds (rounded down).
    [[nodiscard]] std::int64_t DurataMs() const;
    // The bytes from da to a milliseconds, cut at whole frames and clipped to
    // the recording; empty when the stretch lies beyond it.
    [[nodiscard]] std::span<const std::uint8_t> Tratto(std::int64_t daMs, std::int64_t aMs) const;
};

// Reads a recording from bytes or a file. Nothing when the data is not a
// RIFF/WAVE of uncompressed 8- or 16-bit PCM in one or two channels, or
// lacks its "fmt " or "data" chunk. A "data" chunk that claims more than the
// file holds keeps the bytes that are there (as every player does).
std::optional<SuonoWav> LeggiWav(std::span<const std::uint8_t> file);
std::optional<SuonoWav> LeggiWav(const std::filesystem::path& file);

}  // namespace ludo::io
