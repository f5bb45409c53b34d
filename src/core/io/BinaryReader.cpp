#include "core/io/BinaryReader.h"

#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace ludo::io {

bool BinaryReader::readBytes(std::span<std::uint8_t> dest) {
    if (!ok_) return false;
    if (dest.empty()) return true;
    // Read into a scratch buffer first so that a short read leaves dest intact.
    constexpr std::size_t kSmall = 64;
    if (dest.size() <= kSmall) {
        std::array<std::uint8_t, kSmall> tmp{};
        const std::size_t got = readSome(std::span(tmp.data(), dest.size()));
        if (got != dest.size()) {
            ok_ = false;
            return false;
        }
        std::memcpy(dest.data(), tmp.data(), got);
        return true;
    }
    std::vector<std::uint8_t> tmp(dest.size());
    if (readSome(tmp) != tmp.size()) {
        ok_ = false;
        return false;
    }
    std::memcpy(dest.data(), tmp.data(), tmp.size());
    return true;
}

std::size_t BinaryReader::readSome(std::span<std::uint8_t> dest) {
    if (dest.empty() || !in_.good()) return 0;
    in_.read(reinterpret_cast<char*>(dest.data()), static_cast<std::streamsize>(dest.size()));
    return static_cast<std::size_t>(in_.gcount());
}

bool BinaryReader::read(bool& value) {
    std::uint8_t b = 0;
    if (!read(b)) return false;
    value = b != 0;
    return true;
}

bool BinaryReader::read(double& value) {
    std::uint64_t bits = 0;
    if (!read(bits)) return false;
    value = std::bit_cast<double>(bits);
    return true;
}

bool BinaryReader::skip(std::size_t n) {
    std::array<std::uint8_t, 4096> tmp{};
    while (n > 0) {
        const std::size_t chunk = n < tmp.size() ? n : tmp.size();
        if (readSome(std::span(tmp.data(), chunk)) != chunk) {
            ok_ = false;
            return false;
        }
        n -= chunk;
    }
    return ok_;
}

bool BinaryReader::atEnd() {
    if (!in_.good()) return true;
    return in_.peek() == std::char_traits<char>::eof();
}

}  // namespace ludo::io
