#pragma once
// Helpers shared by the core tests: scratch folders and byte buffers built
// by hand from a format's layout.

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

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

// The mask of a set of match numbers 1..32.
inline std::uint32_t col(std::initializer_list<int> numeri) {
    std::uint32_t m = 0;
    for (int n : numeri) m |= std::uint32_t{1} << (n - 1);
    return m;
}

inline void appendLE(Bytes& b, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) b.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
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

}  // namespace ludo::test
