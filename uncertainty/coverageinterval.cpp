#include "coverageinterval.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace quelbor {

CoverageIntervals coverageIntervals95(std::vector<double> &values)
{
    // Every interval [y(r), y(r+q)] starts among the lowest M − q values and ends among the
    // highest M − q: only these two tails are sorted (2 × 5 % of M), the middle is only
    // partitioned from them, which takes a sixth of sorting all.
    const std::size_t m = values.size();
    const std::size_t q = (95 * static_cast<std::uint64_t>(m) + 50) / 100; // round(0.95·M)
    const std::size_t outside = m - q;                                     // at least 2
    const auto begin = values.begin();
    const auto lowerEnd = begin + static_cast<std::ptrdiff_t>(outside);
    const auto upperBegin = begin + static_cast<std::ptrdiff_t>(q);
    std::nth_element(begin, lowerEnd, values.end());
    std::sort(begin, lowerEnd);
    std::nth_element(lowerEnd, upperBegin, values.end());
    std::sort(upperBegin, values.end());

    // zero-based: y(r) is values[r − 1]
    const std::size_t r = (outside + 1) / 2;
    CoverageIntervals intervals;
    intervals.symmetric = {values[r - 1], values[r - 1 + q]};
    std::size_t best = 0;
    for (std::size_t low = 1; low < outside; ++low) {
        if (values[low + q] - values[low] < values[best + q] - values[best])
            best = low;
    }
    intervals.shortest = {values[best], values[best + q]};
    return intervals;
}

} // namespace quelbor
