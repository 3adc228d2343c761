#include "chartsafety.h"

#include <cmath>

namespace quelbor {

namespace {

bool within(double value, double low, double high)
{
    return value >= low && value <= high;
}

} // namespace

// Why these bounds keep every step of both charts finite, nonzero where it is divided by or its
// logarithm taken, and within single precision where it becomes a coordinate. The sweeps run X
// over 0.01 ... 1 and psi over psiSE + 0.01 ... 0.6; the bounds are loose on purpose, so that
// the rounding of a step cannot cross them.
// - psianf in -1 ... 0.9 and rhoAnf in 1 ... 1e5: the base under each cube root, (1 - psianf) +
//   X rhoAnf / 1000, lies in 0.1 ... 102, the root in 0.46 ... 4.7, and so does 1 - ksi, the
//   divisor of the density.
// - ksiSE in -1 ... 0.9: 1 - ksiSE lies in 0.1 ... 2, so rhoSE = rhoAnf / (1 - ksiSE)^3 stays
//   below 1e8, the density along the sweep, rhoSE ((1 - ksiSE) / (1 - ksi))^3, below 1e12, the
//   water content (divided by rhoAnf >= 1) below 1e16 and the shrinkage still ahead below 5,
//   all far inside single precision as coordinates. psi25 is the same water content at X =
//   0.25, so its marker is too.
// - psiSE in 0.001 ... 1: the curve's ratio psi / psiSE lies in 1 ... 610, and the lines below
//   raise 10 to at most 99 in size for slopes |s| <= 100 (6, 10 and KappaSteig).
// - kappaGrenz in 1e-100 ... 1: every diffusivity of the curve and the lines then lies in
//   1e-199 ... 1e99, positive and finite, and so does its logarithm's level.
// - |psiMess| <= 1e30 keeps its marker within single precision.
// A status flag is raised only by a step that faults, so the flags tested on the way stay
// clear; the caller still tests them once, for flags left from before the charts.
bool chartsCannotFail(const DryingModel &m)
{
    return within(m.psianf, -1, 0.9) && within(m.rhoAnf, 1, 1e5) && within(m.ksiSE, -1, 0.9) &&
           within(m.psiSE, 1e-3, 1) && std::fabs(m.KappaSteig) <= 100 &&
           within(m.kappaGrenz, 1e-100, 1) && std::fabs(m.psiMess) <= 1e30;
}

} // namespace quelbor
