// A colour value is R + 256 * G + 65536 * B, each component 0..255, held in a
// 32-bit signed integer; palette entries, CSV values and printed swatches use it.
#pragma once

#include <cstdint>

namespace colorvalue {

constexpr int32_t fromRgb(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}
constexpr int red(int32_t value)
{
    return value & 0xFF;
}
constexpr int green(int32_t value)
{
    return (value >> 8) & 0xFF;
}
constexpr int blue(int32_t value)
{
    return (value >> 16) & 0xFF;
}

} // namespace colorvalue
