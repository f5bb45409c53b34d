#include "core/io/ShortString.h"

#include <algorithm>
#include <vector>

#include "core/io/Cp1252.h"

namespace ludo::io {

bool readShortString(BinaryReader& in, std::size_t capacity, std::string& text) {
    std::vector<std::uint8_t> raw(capacity + 1);
    if (!in.readBytes(raw)) return false;
    const std::size_t length = std::min<std::size_t>(raw[0], capacity);
    text = cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(raw.data() + 1), length));
    return true;
}

bool writeShortString(BinaryWriter& out, std::string_view text, std::size_t capacity) {
    const std::string encoded = utf8ToCp1252(text);
    const std::size_t length = std::min({encoded.size(), capacity, std::size_t{255}});
    std::vector<std::uint8_t> raw(capacity + 1, 0);
    raw[0] = static_cast<std::uint8_t>(length);
    std::copy_n(encoded.begin(), length, raw.begin() + 1);
    return out.writeBytes(raw);
}

}  // namespace ludo::io
