#include "modelfields.h"

namespace quelbor {

std::array<ModelField, 20> modelFields(const DryingModel &m)
{
    return {{
        {"rhoSE", m.rhoSE},
        {"Xanf", m.Xanf},
        {"Xmess", m.Xmess},
        {"ksiSE", m.ksiSE},
        {"kappaMess", m.kappaMess},
        {"thetaMess", m.thetaMess},
        {"KappaSteig", m.KappaSteig},
        {"rhoAnf", m.rhoAnf},
        {"psianf", m.psianf},
        {"psiSE", m.psiSE},
        {"XSE", m.XSE},
        {"ksiMess", m.ksiMess},
        {"rhoMess", m.rhoMess},
        {"psiMess", m.psiMess},
        {"kappaAnf25", m.kappaAnf25},
        {"kappaGrenz", m.kappaGrenz},
        {"ksi25", m.ksi25},
        {"rho25", m.rho25},
        {"psi25", m.psi25},
        {"kappa2525", m.kappa2525},
    }};
}

} // namespace quelbor
