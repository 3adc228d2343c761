#include "bodypalette.h"

#include <cstdint>

namespace quelbor {

namespace {

std::uint8_t towardsWhite(std::uint8_t channel, int whiteShare)
{
    return static_cast<std::uint8_t>((channel * (100 - whiteShare) + 255 * whiteShare + 50) / 100);
}

} // namespace

Rgb lighterTint(Rgb colour, int whiteShare)
{
    return {towardsWhite(colour.red, whiteShare), towardsWhite(colour.green, whiteShare),
            towardsWhite(colour.blue, whiteShare)};
}

} // namespace quelbor
