#include "core/io/BinaryWriter.h"

#include <bit>

namespace ludo::io {

bool BinaryWriter::writeBytes(std::span<const std::uint8_t> bytes) {
    if (!ok_) return false;
    out_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ok_ = out_.good();
    return ok_;
}

bool BinaryWriter::write(double value) { return write(std::bit_cast<std::uint64_t>(value)); }

}  // namespace ludo::io
