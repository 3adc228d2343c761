// The trials tell their progress every progressInterval trials and at the end, and stop when
// the answer is no.

#include "curveband.h"
#include "montecarlo.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quelbor;

namespace {

InputUncertainties kappaMessUncertain()
{
    StatedUncertainties stated;
    stated[4] = {3, true, Distribution::Normal};
    return resolveUncertainties(InputValues{}, stated);
}

TEST(TrialProgress, IsToldEveryIntervalAndAtTheEnd)
{
    std::vector<long> told;
    const MonteCarloRun run =
        runMonteCarlo(kappaMessUncertain(), 10000, defaultSeed, [&told](long done) {
            told.push_back(done);
            return true;
        });
    EXPECT_EQ(told, (std::vector<long>{4096, 8192, 10000}));
    EXPECT_TRUE(run.results);
}

TEST(TrialProgress, ANoStopsTheRun)
{
    std::vector<long> told;
    const TrialProgress stopAtSecond = [&told](long done) {
        told.push_back(done);
        return told.size() < 2;
    };
    EXPECT_THROW(runMonteCarlo(kappaMessUncertain(), 100000, defaultSeed, stopAtSecond),
                 TrialsCancelled);
    EXPECT_EQ(told, (std::vector<long>{4096, 8192}));
    told.clear();
    EXPECT_THROW(curveBand(kappaMessUncertain(), 10000, defaultSeed, stopAtSecond),
                 TrialsCancelled);
    EXPECT_EQ(told, (std::vector<long>{4096, 8192}));
}

} // namespace
