#include "outcomefeatures.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace quelbor {

namespace {

constexpr std::size_t endings = 6; // finished, then the five error kinds
constexpr std::size_t countBuckets = 18;
constexpr std::size_t magnitudeBuckets = 42; // below 1, then 1e0 ... 1e39, then beyond float
constexpr std::size_t labels = 8;

struct OutcomeCounters
{
    std::uint8_t kappaOperations[endings][countBuckets];
    std::uint8_t schwindungOperations[endings][countBuckets];
    std::uint8_t labelCalls[endings][countBuckets];
    std::uint8_t results[endings][countBuckets];
    std::uint8_t kappaMagnitude[endings][magnitudeBuckets];
    std::uint8_t schwindungMagnitude[endings][magnitudeBuckets];
    std::uint8_t labelMagnitude[labels][magnitudeBuckets];
};

// libFuzzer reads every byte of this section as an extra coverage counter.
__attribute__((used, section("__libfuzzer_extra_counters"))) OutcomeCounters counters;

std::size_t ending(const CalculationRecord &record)
{
    return record.error ? 1 + static_cast<std::size_t>(*record.error) : 0;
}

// 0 for none, then one bucket per power of two.
std::size_t countBucket(std::size_t count)
{
    return std::min<std::size_t>(std::bit_width(count), countBuckets - 1);
}

std::size_t magnitudeBucket(float value)
{
    const double magnitude = std::fabs(static_cast<double>(value));
    if (!(magnitude >= 1))
        return 0;
    if (!std::isfinite(magnitude))
        return magnitudeBuckets - 1;
    return std::min<std::size_t>(1 + static_cast<std::size_t>(std::log10(magnitude)),
                                 magnitudeBuckets - 2);
}

std::size_t farthestCoordinate(const RecordingSurface &surface)
{
    std::size_t farthest = 0;
    for (const SurfaceOperation &op : surface.operations()) {
        for (const float coordinate : {op.x1, op.y1, op.x2, op.y2})
            farthest = std::max(farthest, magnitudeBucket(coordinate));
    }
    return farthest;
}

void bump(std::uint8_t &counter)
{
    if (counter < 255)
        ++counter;
}

} // namespace

void countOutcome(const CalculationRecord &record)
{
    const std::size_t e = ending(record);
    if (e >= endings)
        return;
    bump(counters.kappaOperations[e][countBucket(record.kappa.operations().size())]);
    bump(counters.schwindungOperations[e][countBucket(record.schwindung.operations().size())]);
    bump(counters.labelCalls[e][countBucket(record.labels.calls().size())]);
    bump(counters.results[e][countBucket(record.results.size())]);
    bump(counters.kappaMagnitude[e][farthestCoordinate(record.kappa)]);
    bump(counters.schwindungMagnitude[e][farthestCoordinate(record.schwindung)]);
    for (const RecordingLabels::Call &move : record.labels.moves()) {
        if (move.index >= 1 && move.index <= static_cast<int>(labels))
            bump(counters.labelMagnitude[move.index - 1][magnitudeBucket(move.left)]);
    }
}

} // namespace quelbor
