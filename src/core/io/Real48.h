#pragma once
// The 6-byte real of the coupon's "Picch." values and of the intervals:
// byte 0 is the exponent biased by 129 (0 means the value 0), bytes 1..5
// hold a 39-bit fraction least significant byte first with an implied
// leading 1, and the top bit of byte 5 is the sign.

#include <array>
#include <cstdint>

#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"

namespace ludo::io {

using Real48 = std::array<std::uint8_t, 6>;

double fromReal48(const Real48& raw);

// Rounds to the nearest 39-bit fraction. Values too small for the format
// become 0, values too large saturate at the largest one; NaN becomes 0.
Real48 toReal48(double value);

bool readReal48(BinaryReader& in, double& value);
bool writeReal48(BinaryWriter& out, double value);

}  // namespace ludo::io
