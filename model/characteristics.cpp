#include "characteristics.h"

#include "checkedmath.h"
#include "floatstatus.h"
#include "parsedecimal.h"

namespace quelbor {

namespace {

// Stores each input as soon as `entered` gives it, so a text that ParseDecimal cannot read
// ends the calculation with the inputs before it already stored. `Entered` is InputTexts or
// InputValues, whose fields have the same names.
template <typename Entered, typename Read>
void storeInputs(DryingModel &m, const Entered &entered, Read read)
{
    using namespace checked;
    m.rhoSE = read(entered.rhoSE);
    m.Xanf = read(entered.Xanf);
    m.Xmess = toSingle(read(entered.Xmess));
    m.ksiSE = div(read(entered.ksiSE), 100);                // entered in %
    m.kappaMess = div(read(entered.kappaMess), pow(10, 9)); // entered in 1e-9 m²/s
    m.thetaMess = read(entered.thetaMess);
    m.KappaSteig = toSingle(read(entered.KappaSteig));
}

// Every formula keeps the order and grouping of the reference chain: reordering changes the
// last bits. Where both operands of an operation can fault, the left one is computed first,
// so the fault reported is the first one met reading from the left.
void computeDerivedValues(DryingModel &m)
{
    using namespace checked;
    m.rhoAnf = mul(m.rhoSE, pow(sub(1, m.ksiSE), 3));
    const double waterVolume = div(mul(m.Xanf, m.rhoSE), 1000);
    m.psianf = mul(waterVolume, pow(sub(1, m.ksiSE), 3));
    m.psiSE = div(mul(sub(m.psianf, sub(1, pow(sub(1, m.ksiSE), 3))), m.rhoSE), m.rhoAnf);
    m.XSE = div(mul(m.psiSE, 1000), m.rhoSE);

    // measurement state: the shrinking-range law, whatever Xmess is
    double third = oneThird();
    const double drySpace = sub(1, m.psianf);
    m.ksiMess = sub(1, pow(add(drySpace, div(mul(m.Xmess, m.rhoAnf), 1000)), third));
    const double dryLength = sub(1, m.ksiSE);
    m.rhoMess = toSingle(mul(m.rhoSE, pow(div(dryLength, sub(1, m.ksiMess)), 3)));
    m.psiMess = div(mul(sub(m.psianf, sub(1, pow(sub(1, m.ksiMess), 3))), m.rhoMess), m.rhoAnf);

    // diffusivities reduced to 25 °C: kappa(theta) / kappa(25) = 1 + 0.0225 (theta - 25)
    const double kappaAnf = mul(m.kappaMess, pow(div(m.psianf, m.psiMess), 2));
    m.kappaAnf25 = div(kappaAnf, add(1, mul(0.0225, sub(m.thetaMess, 25))));
    m.kappaGrenz = mul(m.kappaAnf25, pow(div(m.psiSE, m.psianf), 2));

    // reference state at X = 0.25
    third = oneThird();
    const double drySpace25 = sub(1, m.psianf);
    m.ksi25 = sub(1, pow(add(drySpace25, div(mul(0.25, m.rhoAnf), 1000)), third));
    const double dryLength25 = sub(1, m.ksiSE);
    m.rho25 = mul(m.rhoSE, pow(div(dryLength25, sub(1, m.ksi25)), 3));
    m.psi25 = div(mul(sub(m.psianf, sub(1, pow(sub(1, m.ksi25), 3))), m.rho25), m.rhoAnf);
    m.kappa2525 = mul(m.kappaAnf25, pow(div(m.psi25, m.psianf), 2));
}

} // namespace

void computeCharacteristics(DryingModel &m, const InputTexts &texts)
{
    clearFloatStatus();
    storeInputs(m, texts, [](const std::string &text) { return ParseDecimal(text); });
    computeDerivedValues(m);
}

void computeCharacteristics(DryingModel &m, const InputValues &values)
{
    clearFloatStatus();
    storeInputs(m, values, [](double value) { return value; });
    computeDerivedValues(m);
}

} // namespace quelbor
