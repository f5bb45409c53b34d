#pragma once
// Lists of text lines: for each line a 32-bit signed length and its
// Windows-1252 bytes, closed by the length -1.

#include <string>
#include <vector>

#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"

namespace ludo::io {

// Clears lines, then reads length/bytes pairs. Returns true when the list is
// closed by -1; false when the input ends first or a length is impossible
// (negative, or more bytes than the input holds), keeping the whole lines
// read until then. Memory grows only with bytes actually read.
bool readTextList(BinaryReader& in, std::vector<std::string>& lines);

bool writeTextList(BinaryWriter& out, const std::vector<std::string>& lines);

}  // namespace ludo::io
