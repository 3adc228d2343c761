// A run is its seed: the same seed gives the same bits, another seed others, and a small run
// of the default body has the digest recorded here, so a change of the generator, of the
// deviates or of the C library's pow shows. The deviates are the same bits in the web page's
// build (emscripten 3.1.6, musl), but musl's pow differs from glibc's in the last bit for some
// arguments, and the model's cube roots pass that on: of these 2000 trials, psi25 differs in
// two (by 3 and 12 ulp, after the cancellation in 1 − ∛…), which changes the standard
// deviation of psi25 and kappa2525 by 1 ulp. The page's digest of this run is therefore
// 0x6b40da785f29562e; the page compares against that one.

#include "uncertaintyevaluation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

using namespace quelbor;

namespace {

// The default body with the figures of a typical lab: rhoSE ± 20 kg/m³, Xanf ± 0.005,
// ksiSE ± 0.2 % (triangular), kappaMess ± 3 %, thetaMess ± 0.5 °C (rectangular).
StatedUncertainties typicalLab()
{
    StatedUncertainties stated;
    stated[0] = {20, false, Distribution::Normal};
    stated[1] = {0.005, false, Distribution::Normal};
    stated[3] = {0.2, false, Distribution::Triangular};
    stated[4] = {3, true, Distribution::Normal};
    stated[5] = {0.5, false, Distribution::Rectangular};
    return stated;
}

// Every figure of the run as the bits of its doubles.
std::vector<std::uint64_t> figures(std::uint64_t seed, long trials = 2000,
                                   const TrialProgress &progress = {})
{
    const UncertaintyEvaluation e =
        evaluateUncertainty(InputValues{}, typicalLab(), {true, trials, seed}, progress);
    std::vector<std::uint64_t> bits;
    const auto add = [&bits](double value) {
        std::uint64_t word = 0;
        std::memcpy(&word, &value, sizeof word);
        bits.push_back(word);
    };
    for (const OutputUncertainty &o : e.outputs) {
        add(o.gum.u);
        add(o.monteCarlo->mean);
        add(o.monteCarlo->u);
        add(o.monteCarlo->intervals.symmetric.first);
        add(o.monteCarlo->intervals.symmetric.second);
        add(o.monteCarlo->intervals.shortest.first);
        add(o.monteCarlo->intervals.shortest.second);
    }
    bits.push_back(static_cast<std::uint64_t>(e.monteCarlo->failed));
    return bits;
}

// FNV-1a over the words, least significant byte first.
std::uint64_t digest(const std::vector<std::uint64_t> &words)
{
    std::uint64_t hash = 0xcbf29ce484222325;
    for (std::uint64_t word : words) {
        for (int byte = 0; byte < 8; ++byte) {
            hash ^= (word >> (8 * byte)) & 0xff;
            hash *= 0x100000001b3;
        }
    }
    return hash;
}

TEST(Reproducibility, TheSameSeedGivesTheSameBits)
{
    EXPECT_EQ(figures(defaultSeed), figures(defaultSeed));
}

TEST(Reproducibility, AnotherSeedGivesOtherBits)
{
    const std::vector<std::uint64_t> first = figures(defaultSeed);
    const std::vector<std::uint64_t> second = figures(defaultSeed + 1);
    // the law of propagation does not depend on the seed; every Monte Carlo figure does
    for (std::size_t i = 0; i + 1 < first.size(); ++i) {
        if (i % 7 != 0) {
            EXPECT_NE(first[i], second[i]) << "figure " << i;
        }
    }
}

// The page's progress bar follows the trials; being told them changes no figure.
TEST(Reproducibility, TheProgressIsToldAndChangesNothing)
{
    std::vector<long> told;
    const auto withProgress = figures(defaultSeed, 40000, [&told](long done) {
        told.push_back(done);
        return true;
    });
    EXPECT_EQ(withProgress, figures(defaultSeed, 40000));
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back(), 40000);
}

TEST(Reproducibility, TheDefaultSeedsRunHasItsRecordedDigest)
{
    EXPECT_EQ(digest(figures(defaultSeed)), 0xf35d428943d57534U);
}

} // namespace
