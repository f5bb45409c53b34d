#include "core/io/TextList.h"

#include <algorithm>
#include <cstdint>

#include "core/io/Cp1252.h"

namespace ludo::io {
namespace {

constexpr std::int32_t kEndOfList = -1;
constexpr std::size_t kChunk = 64 * 1024;

// Reads exactly length bytes in bounded chunks, so that a length field that
// lies about the size cannot make us allocate more than the input holds.
bool readLine(BinaryReader& in, std::size_t length, std::string& bytes) {
    bytes.clear();
    while (bytes.size() < length) {
        const std::size_t chunk = std::min(kChunk, length - bytes.size());
        const std::size_t old = bytes.size();
        bytes.resize(old + chunk);
        auto* dest = reinterpret_cast<std::uint8_t*>(bytes.data() + old);
        if (!in.readBytes(std::span(dest, chunk))) return false;
    }
    return true;
}

}  // namespace

bool readTextList(BinaryReader& in, std::vector<std::string>& lines) {
    lines.clear();
    std::string bytes;
    for (;;) {
        std::int32_t length = 0;
        if (!in.read(length)) return false;
        if (length == kEndOfList) return true;
        if (length < 0) return false;
        if (!readLine(in, static_cast<std::size_t>(length), bytes)) return false;
        lines.push_back(cp1252ToUtf8(bytes));
    }
}

bool writeTextList(BinaryWriter& out, const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        const std::string encoded = utf8ToCp1252(line);
        out.write(static_cast<std::int32_t>(encoded.size()));
        out.writeBytes(std::span(reinterpret_cast<const std::uint8_t*>(encoded.data()), encoded.size()));
    }
    return out.write(kEndOfList);
}

}  // namespace ludo::io
