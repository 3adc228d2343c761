#pragma once

#include "dryingmodel.h"

#include <array>
#include <functional>

namespace quelbor {

// Water-loading scale of the diffusivity chart. Owned by the window for the whole run and
// never cleared: each sweep of the loadings overwrites only the entries it reaches.
struct LoadingScale
{
    // psiMarks[k]: volumetric water content at the loading k/10 (k = 1 ... 10; 0 stays 0)
    std::array<double, 11> psiMarks{};
    // last loading whose water content stayed below 0.6
    double XlastPlotted = 0;
};

// Per-point relations of the body's state against its water loading X.
double ksiAt(const DryingModel &model, double X);     // linear shrinkage (fraction)
double rhoAt(const DryingModel &model, double X);     // dry-mass density, kg/m³
double psiAt(const DryingModel &model, double X);     // volumetric water content, m³/m³
double ksiRestAt(const DryingModel &model, double X); // shrinkage still ahead (fraction)

// Diffusivity at 25 °C (m²/s) against the volumetric water content.
double kappaAbove(const DryingModel &model, double psi);
double kappaBelow(const DryingModel &model, double psi, double slope);

// Position of a diffusivity on the chart's decade scale: log10(v) + 10, so 1e-10 m²/s is 0
// and 1e-6 m²/s is 4. Followed by the floating-point status test.
double kappaDecade(double v);

// Sweep of the water loadings X = 0.02, 0.04 ... 1.00. For every loading k/10 whose water
// content stays below 0.6, psiMarks[k] is stored and then onMark(k, psi) is called, so a mark
// drawn there always matches the table even when a later point faults.
using MarkCallback = std::function<void(int k, double psi)>;
void sweepLoadings(const DryingModel &model, LoadingScale &scale, const MarkCallback &onMark);

// Sweep of the curve above the shrinkage end: psi runs from psiSE + 0.01 to 0.6 inclusive by
// repeated addition of 0.01. onSegment(psi, previousLevel, currentLevel) joins
// (psi - 0.01, previousLevel) to (psi, currentLevel) on the decade scale.
using SegmentCallback = std::function<void(double psi, double previousLevel, double currentLevel)>;
void sweepCurveAbove(const DryingModel &model, const SegmentCallback &onSegment);

// Levels at psi = 0.01 of the three straight lines below the shrinkage end, computed in the
// order KappaSteig, 6, 10, and the level of the limit point they all end in.
struct LinesBelow
{
    double levelSteig = 0;
    double level6 = 0;
    double level10 = 0;
    double limitLevel = 0;
};
LinesBelow sweepLinesBelow(const DryingModel &model);

// Sweep of the shrinkage still ahead for n = 1 ... 40 (X = n / 100). onPoint(n, X) comes
// before the value is evaluated, onSegment(n, previous, current) after; previous starts at 0.
using PointCallback = std::function<void(int n, double X)>;
using ShrinkageCallback = std::function<void(int n, double previous, double current)>;
void sweepShrinkage(const DryingModel &model, const PointCallback &onPoint,
                    const ShrinkageCallback &onSegment);

} // namespace quelbor
