#pragma once
// Little-endian field-by-field writing. Like the reader, the writer remembers
// the first failed write and refuses everything after it, so a chain of
// writes stops at the first short write.

#include <cstdint>
#include <ostream>
#include <span>
#include <type_traits>

namespace ludo::io {

class BinaryWriter {
public:
    explicit BinaryWriter(std::ostream& out) : out_(out) {}

    bool writeBytes(std::span<const std::uint8_t> bytes);

    template <typename T>
        requires std::is_integral_v<T>
    bool write(T value) {
        std::uint8_t raw[sizeof(T)];
        auto bits = static_cast<std::make_unsigned_t<T>>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            raw[i] = static_cast<std::uint8_t>(bits >> (8 * i));
        }
        return writeBytes(raw);
    }

    bool write(bool value) { return write(static_cast<std::uint8_t>(value ? 1 : 0)); }
    bool write(double value);

    [[nodiscard]] bool ok() const { return ok_; }

private:
    std::ostream& out_;
    bool ok_ = true;
};

}  // namespace ludo::io
