#pragma once

#include <utility>
#include <vector>

namespace quelbor {

struct CoverageIntervals
{
    std::pair<double, double> symmetric; // 2.5 % of the values below, 2.5 % above
    std::pair<double, double> shortest;  // the shortest holding 95 % of the values
};

// The 95 % coverage intervals of the values of M trials after JCGM 101 7.7: with
// q = round(0.95·M), the symmetric one is [y(r), y(r+q)] with r = round((M − q)/2) (counting
// from 1, the half rounding up), the shortest the [y(r), y(r+q)] of least width, the first of
// several. Reorders `values`; the endpoints do not depend on how. M must be at least
// minimumTrialsForInterval.
CoverageIntervals coverageIntervals95(std::vector<double> &values);

constexpr std::size_t minimumTrialsForInterval = 40;

} // namespace quelbor
