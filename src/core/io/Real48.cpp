#include "core/io/Real48.h"

#include <cmath>
#include <limits>

namespace ludo::io {
namespace {

constexpr int kBias = 129;
constexpr int kFractionBits = 39;
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << kFractionBits) - 1;

Real48 pack(int exponent, std::uint64_t fraction, bool negative) {
    Real48 raw{};
    raw[0] = static_cast<std::uint8_t>(exponent);
    for (int i = 0; i < 5; ++i) raw[1 + i] = static_cast<std::uint8_t>(fraction >> (8 * i));
    raw[5] = static_cast<std::uint8_t>((raw[5] & 0x7F) | (negative ? 0x80 : 0x00));
    return raw;
}

}  // namespace

double fromReal48(const Real48& raw) {
    if (raw[0] == 0) return 0.0;
    std::uint64_t fraction = 0;
    for (int i = 0; i < 5; ++i) fraction |= std::uint64_t{raw[1 + i]} << (8 * i);
    fraction &= kFractionMask;
    const double mantissa = 1.0 + std::ldexp(static_cast<double>(fraction), -kFractionBits);
    const double value = std::ldexp(mantissa, raw[0] - kBias);
    return (raw[5] & 0x80) ? -value : value;
}

Real48 toReal48(double value) {
    if (value == 0.0 || std::isnan(value)) return Real48{};
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (std::isinf(magnitude)) return pack(255, kFractionMask, negative);

    int exp2 = 0;
    const double m = std::frexp(magnitude, &exp2);  // m in [0.5, 1): value = 1.f × 2^(exp2-1)
    int exponent = exp2 - 1 + kBias;
    auto fraction = static_cast<std::uint64_t>(std::llround(std::ldexp(m * 2.0 - 1.0, kFractionBits)));
    if (fraction > kFractionMask) {  // rounded up to 2.0
        fraction = 0;
        ++exponent;
    }
    if (exponent < 1) return Real48{};
    if (exponent > 255) return pack(255, kFractionMask, negative);
    return pack(exponent, fraction, negative);
}

bool readReal48(BinaryReader& in, double& value) {
    Real48 raw{};
    if (!in.readBytes(raw)) return false;
    value = fromReal48(raw);
    return true;
}

bool writeReal48(BinaryWriter& out, double value) { return out.writeBytes(toReal48(value)); }

}  // namespace ludo::io
