#include "moisturecurves.h"

#include "calculationerror.h"
#include "checkedmath.h"
#include "floatstatus.h"

#include <cmath>
#include <cstdint>

namespace quelbor {

using namespace checked;

namespace {

// A psi loop whose start lies this many steps of 0.01 below its end would never come back to
// the user in practice (psiSE far below zero, from a shrinkage close to 100 %). Such a curve
// lies left of the chart anyway; the calculation ends with an overflow instead of hanging.
constexpr double maximumCurveSteps = 100000;

// Shrinkage at X on the shrinking branch: 1 - ((1 - psianf) + X rhoAnf / 1000)^(1/3).
double shrinkingKsi(const DryingModel &m, double X)
{
    const double third = oneThird();
    const double drySpace = sub(1, m.psianf);
    return sub(1, pow(add(drySpace, div(mul(X, m.rhoAnf), 1000)), third));
}

double densityFor(const DryingModel &m, double ksi)
{
    const double dryLength = sub(1, m.ksiSE);
    return mul(m.rhoSE, pow(div(dryLength, sub(1, ksi)), 3));
}

struct MoistureState
{
    double ksi;
    double rho;
    double psi;
};

// ksi, rho and psi at X, in this order; the test X > XSE is made once for ksi and again for psi.
MoistureState stateAt(const DryingModel &m, double X)
{
    MoistureState state{};
    state.ksi = X > m.XSE ? shrinkingKsi(m, X) : m.ksiSE;
    state.rho = densityFor(m, state.ksi);
    if (X > m.XSE)
        state.psi = div(mul(sub(m.psianf, sub(1, pow(sub(1, state.ksi), 3))), state.rho), m.rhoAnf);
    else
        state.psi = div(mul(X, state.rho), 1000);
    return state;
}

} // namespace

double ksiAt(const DryingModel &m, double X)
{
    return X > m.XSE ? shrinkingKsi(m, X) : m.ksiSE;
}

double rhoAt(const DryingModel &m, double X)
{
    return densityFor(m, ksiAt(m, X));
}

double psiAt(const DryingModel &m, double X)
{
    return stateAt(m, X).psi;
}

double ksiRestAt(const DryingModel &m, double X)
{
    if (!(X > m.XSE))
        return 0;
    return sub(m.ksiSE, shrinkingKsi(m, X));
}

double kappaAbove(const DryingModel &m, double psi)
{
    return mul(m.kappaGrenz, pow(div(psi, m.psiSE), 2));
}

double kappaBelow(const DryingModel &m, double psi, double slope)
{
    return mul(m.kappaGrenz, pow(10, mul(slope, sub(psi, m.psiSE))));
}

double kappaDecade(double v)
{
    const double ln10 = ln(10);
    const double lnV = ln(v);
    const double level = add(div(lnV, ln10), 10.0);
    testFloatStatus();
    return level;
}

void sweepLoadings(const DryingModel &m, LoadingScale &scale, const MarkCallback &onMark)
{
    for (int n = 2; n <= 100; n += 2) {
        const double X = n / 100.0;
        const double psi = stateAt(m, X).psi;
        if (psi >= 0.6)
            continue;
        scale.XlastPlotted = X;
        if (n % 10 != 0)
            continue;
        const auto k = static_cast<std::int16_t>(std::floor(n / 10.0 + 0.1));
        // No input reaches this: n runs to 100 only, so k is 1 ... 10. It keeps a change of the
        // sweep's range from writing past the table.
        if (k < 0 || k >= static_cast<int>(scale.psiMarks.size()))
            throw CalculationError(ErrorKind::SubscriptOutOfRange);
        scale.psiMarks[static_cast<std::size_t>(k)] = psi;
        onMark(k, psi);
    }
}

void sweepCurveAbove(const DryingModel &m, const SegmentCallback &onSegment)
{
    double previous = kappaDecade(m.kappaGrenz);
    double psi = add(m.psiSE, 0.01);
    if (psi < 0.6 - maximumCurveSteps * 0.01)
        throw CalculationError(ErrorKind::Overflow);
    for (; psi <= 0.6; psi = add(psi, 0.01)) {
        const double current = kappaDecade(kappaAbove(m, psi));
        onSegment(psi, previous, current);
        previous = current;
    }
}

LinesBelow sweepLinesBelow(const DryingModel &m)
{
    LinesBelow lines;
    lines.levelSteig = kappaDecade(kappaBelow(m, 0.01, m.KappaSteig));
    lines.level6 = kappaDecade(kappaBelow(m, 0.01, 6));
    lines.level10 = kappaDecade(kappaBelow(m, 0.01, 10));
    lines.limitLevel = kappaDecade(m.kappaGrenz);
    return lines;
}

void sweepShrinkage(const DryingModel &m, const PointCallback &onPoint,
                    const ShrinkageCallback &onSegment)
{
    double previous = 0;
    for (int n = 1; n <= 40; ++n) {
        const double X = n / 100.0;
        onPoint(n, X);
        const double current = ksiRestAt(m, X);
        onSegment(n, previous, current);
        previous = current;
    }
}

} // namespace quelbor
