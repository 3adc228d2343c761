#pragma once

#include <cstdint>

namespace quelbor {

// A drawing colour: red, green and blue, 0 ... 255 each.
struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb &, const Rgb &) = default;
};

namespace colours {
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb grey{100, 100, 100};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb red{225, 0, 0};
inline constexpr Rgb green{0, 225, 0};
} // namespace colours

} // namespace quelbor
