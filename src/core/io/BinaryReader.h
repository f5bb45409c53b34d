#pragma once
// Little-endian field-by-field reading of the program's binary files.
//
// Every read is all-or-nothing: on a short read the destination keeps its
// previous value, the reader remembers the failure and every later read
// fails too, so a chain of reads "stops at the first short read".

#include <cstddef>
#include <cstdint>
#include <istream>
#include <span>
#include <type_traits>

namespace ludo::io {

class BinaryReader {
public:
    explicit BinaryReader(std::istream& in) : in_(in) {}

    // Reads exactly dest.size() bytes; false (and dest untouched) otherwise.
    bool readBytes(std::span<std::uint8_t> dest);

    // Reads up to dest.size() bytes and returns how many were read. A partial
    // block is not a failure: callers that stream blocks decide for themselves.
    std::size_t readSome(std::span<std::uint8_t> dest);

    template <typename T>
        requires std::is_integral_v<T>
    bool read(T& value) {
        std::uint8_t raw[sizeof(T)];
        if (!readBytes(raw)) return false;
        std::make_unsigned_t<T> bits = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            bits |= static_cast<std::make_unsigned_t<T>>(raw[i]) << (8 * i);
        }
        value = static_cast<T>(bits);
        return true;
    }

    bool read(bool& value);
    bool read(double& value);

    // Skips n bytes; false when the input ends first.
    bool skip(std::size_t n);

    // True while no read has come up short.
    [[nodiscard]] bool ok() const { return ok_; }
    // True when the input is exhausted (nothing more can be read).
    [[nodiscard]] bool atEnd();

    std::istream& stream() { return in_; }

private:
    std::istream& in_;
    bool ok_ = true;
};

}  // namespace ludo::io
