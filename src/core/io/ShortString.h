#pragma once
// Short strings: one length byte followed by the full capacity in bytes,
// Windows-1252 on disk, UTF-8 in memory.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"

namespace ludo::io {

// Reads 1 + capacity bytes. A length byte above the capacity (a damaged
// file) is clamped to the capacity. On a short read text is unchanged.
bool readShortString(BinaryReader& in, std::size_t capacity, std::string& text);

// Writes 1 + capacity bytes: the text cut to the capacity, then zero bytes.
bool writeShortString(BinaryWriter& out, std::string_view text, std::size_t capacity);

}  // namespace ludo::io
