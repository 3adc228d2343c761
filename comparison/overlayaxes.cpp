#include "overlayaxes.h"

#include <algorithm>
#include <cmath>

namespace quelbor {

namespace {

std::vector<AxisTick> loadingTicks(float per01, int count)
{
    std::vector<AxisTick> ticks;
    ticks.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        ticks.push_back({per01 * static_cast<float>(i), i == 0 ? "0" : "0," + std::to_string(i)});
    return ticks;
}

// "10⁻¹⁰": the power of ten in superscript digits.
std::string powerOfTen(int exponent)
{
    static constexpr const char *superscripts[] = {"⁰", "¹", "²", "³", "⁴",
                                                   "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = exponent < 0 ? "10⁻" : "10";
    for (const char digit : std::to_string(std::abs(exponent)))
        text += superscripts[digit - '0'];
    return text;
}

// Whole decades needed beyond [0, 4000] to hold every shown curve.
std::pair<int, int> extraDecades(std::span<const ComparedBody> bodies)
{
    float top = 0;
    float bottom = 4000;
    for (const ComparedBody &body : bodies) {
        if (!body.shown)
            continue;
        for (const BodyLine &line : body.kappaLines) {
            if (line.role != LineRole::Curve)
                continue;
            top = std::min({top, line.line.y1, line.line.y2});
            bottom = std::max({bottom, line.line.y1, line.line.y2});
        }
    }
    const auto decades = [](float beyond) {
        return std::clamp(static_cast<int>(std::ceil(beyond / 1000.0f)), 0, mostExtraDecades);
    };
    return {decades(-top), decades(bottom - 4000)};
}

} // namespace

OverlayAxes diffusivityAxes(std::span<const ComparedBody> bodies)
{
    const auto [above, below] = extraDecades(bodies);
    const int decades = 4 + above + below;
    OverlayAxes axes{{6000, 1000.0f * static_cast<float>(decades)},
                     1000.0f * static_cast<float>(above),
                     decades,
                     "Abhängigkeit des Feuchteleitkoeffizienten vom Wassergehalt",
                     "Volumetrischer Wassergehalt in m³/m³",
                     "Feuchteleitkoeffizient bei 25°C in m²/s",
                     loadingTicks(1000, 7),
                     {}};
    // y = 0 is 10^(-6 + above) m²/s, each 1000 below a decade less.
    axes.verticalTicks.reserve(static_cast<std::size_t>(decades) + 1);
    for (int i = 0; i <= decades; ++i)
        axes.verticalTicks.push_back({1000.0f * static_cast<float>(i), powerOfTen(above - 6 - i)});
    return axes;
}

OverlayAxes shrinkageAxes(std::span<const ComparedBody>)
{
    // x = 10000 X; y = 1500 - 10000 s.
    return {{4000, 1500},
            0,
            0,
            "Lineare Trockenschwindung",
            "Wasserbeladung in kg/kg atro",
            "lin. Trockenschwindung in %",
            loadingTicks(1000, 5),
            {{0, "15"}, {500, "10"}, {1000, "5"}, {1500, "0"}}};
}

} // namespace quelbor
