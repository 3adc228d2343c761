#pragma once

namespace quelbor {

// Every value of one calculation: the seven inputs and the values derived from them.
// Units: densities in kg/m³, water loadings X in kg water per kg dry mass, volumetric water
// contents psi in m³/m³, shrinkages ksi as fractions of the initial length, diffusivities in
// m²/s, temperatures in °C. Three fields are single precision by design: they are rounded once
// when stored and widened to double wherever they are used.
struct DryingModel
{
    // inputs, in the order they are read
    double rhoSE = 0;     // density of the dried body
    double Xanf = 0;      // initial water loading
    float Xmess = 0;      // water loading at which the diffusivity was measured
    double ksiSE = 0;     // linear drying shrinkage up to the shrinkage end
    double kappaMess = 0; // measured diffusivity
    double thetaMess = 0; // temperature of that measurement
    float KappaSteig = 0; // slope of log10(kappa) per unit of psi below the shrinkage end

    // derived values, in the order they are computed
    double rhoAnf = 0;     // dry mass per volume of the wet body
    double psianf = 0;     // initial volumetric water content
    double psiSE = 0;      // volumetric water content at the shrinkage end
    double XSE = 0;        // water loading at the shrinkage end
    double ksiMess = 0;    // shrinkage at the measurement state
    float rhoMess = 0;     // density at the measurement state
    double psiMess = 0;    // volumetric water content at the measurement state
    double kappaAnf25 = 0; // diffusivity of the initial state at 25 °C
    double kappaGrenz = 0; // diffusivity at the shrinkage end at 25 °C
    double ksi25 = 0;      // shrinkage at X = 0.25
    double rho25 = 0;      // density at X = 0.25
    double psi25 = 0;      // volumetric water content at X = 0.25
    double kappa2525 = 0;  // diffusivity at X = 0.25 and 25 °C
};

} // namespace quelbor
