#include "displayedresults.h"

namespace quelbor {

std::array<DisplayedResult, 6> displayedResults(const DryingModel &m)
{
    // diffusivities are held in m²/s and shown in 1e-9 m²/s
    constexpr double perNano = 1e9;
    return {{
        {"txt_psianf", m.psianf, 3},
        {"txt_XSE", m.XSE, 3},
        {"txt_psiSE", m.psiSE, 3},
        {"txt_psi25", m.psi25, 3},
        {"txt_kappa2525", m.kappa2525 * perNano, 1},
        {"txt_kappaGrenz", m.kappaGrenz * perNano, 1},
    }};
}

} // namespace quelbor
