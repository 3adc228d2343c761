#include "calculationerror.h"
#include "characteristics.h"
#include "expectations.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace quelbor;
using quelbor::test::faultOf;

namespace {

DryingModel computed(const InputTexts &texts)
{
    DryingModel model;
    computeCharacteristics(model, texts);
    return model;
}

InputTexts with(std::string InputTexts::*field, std::string value)
{
    InputTexts texts;
    texts.*field = std::move(value);
    return texts;
}

TEST(Characteristics, DefaultInputsGiveTheWorkedExample)
{
    const DryingModel m = computed(InputTexts{});

    EXPECT_EQ(m.rhoSE, 1850);
    EXPECT_EQ(m.Xanf, 0.25);
    EXPECT_EQ(m.Xmess, 0.1850000023841857910156250f);
    EXPECT_DIGITS(static_cast<double>(m.Xmess), 0.185000002384186, 15);
    EXPECT_EQ(m.ksiSE, 0.062);
    EXPECT_EQ(m.kappaMess, 4.5e-08);
    EXPECT_EQ(m.thetaMess, 20.5);
    EXPECT_EQ(m.KappaSteig, 7.0f);
    EXPECT_DIGITS(m.rhoAnf, 1526.79, 6);
    EXPECT_DIGITS(m.psianf, 0.381698, 6);
    EXPECT_DIGITS(m.psiSE, 0.250810, 6);
    EXPECT_DIGITS(m.XSE, 0.135573, 6);
    EXPECT_DIGITS(m.ksiMess, 0.0342395, 6);
    EXPECT_EQ(m.rhoMess, 1695.008544921875f);
    EXPECT_DIGITS(m.psiMess, 0.313577, 6);
    EXPECT_DIGITS(m.kappaAnf25, 7.41868e-08, 6);
    // The single-precision Xmess and rhoMess show in the eighth digit: with doubles it would
    // be 3.2031436e-08.
    EXPECT_DIGITS(m.kappaGrenz, 3.2031438e-08, 8);
    EXPECT_NEAR(m.ksi25, 0, 1e-15);
    EXPECT_DIGITS(m.rho25, 1526.79, 6);
    EXPECT_DIGITS(m.psi25, 0.381698, 6);
    EXPECT_DIGITS(m.kappa2525, 7.41868e-08, 6);
}

TEST(Characteristics, InitialLoadingOfThirtyPercent)
{
    InputTexts texts;
    texts.Xanf = "0,30";
    const DryingModel m = computed(texts);

    EXPECT_DIGITS(m.rhoAnf, 1526.79, 6);
    EXPECT_DIGITS(m.psianf, 0.458038, 6);
    EXPECT_DIGITS(m.psiSE, 0.343310, 6);
    EXPECT_DIGITS(m.XSE, 0.185573, 6);
    EXPECT_DIGITS(m.ksiMess, 0.0623316, 6);
    EXPECT_DIGITS(static_cast<double>(m.rhoMess), 1851.96, 6);
    EXPECT_DIGITS(m.psiMess, 0.342613, 6);
    EXPECT_DIGITS(m.kappaAnf25, 8.94887e-08, 6);
    EXPECT_DIGITS(m.kappaGrenz, 5.02734e-08, 6);
    EXPECT_DIGITS(m.ksi25, 0.0261230, 6);
    // kept in double, unlike rhoMess
    EXPECT_EQ(m.rho25, 1652.9813339207494);
    EXPECT_DIGITS(m.psi25, 0.413245, 6);
    EXPECT_DIGITS(m.kappa2525, 7.28419e-08, 6);
}

TEST(Characteristics, ReferenceStateIsTheInitialStateAtAQuarter)
{
    const DryingModel m = computed(InputTexts{});
    EXPECT_NEAR(m.psi25, m.psianf, 1e-15);
    EXPECT_NEAR(m.kappa2525, m.kappaAnf25, 1e-20);
    EXPECT_NEAR(m.psianf, m.Xanf * m.rhoAnf / 1000, 1e-15);
    EXPECT_NEAR(m.psiSE, m.XSE * m.rhoSE / 1000, 1e-15);
}

TEST(Characteristics, MeasurementBelowTheLimitLoadingIsAccepted)
{
    InputTexts texts;
    texts.Xmess = "0,1";
    const DryingModel m = computed(texts);
    EXPECT_GT(m.ksiMess, m.ksiSE);
    EXPECT_GT(m.rhoMess, m.rhoSE);
}

TEST(Characteristics, TemperatureNextToTheZeroDivisorGivesAHugeFiniteValue)
{
    InputTexts texts;
    texts.thetaMess = "-19,444444444444443";
    const DryingModel m = computed(texts);
    EXPECT_TRUE(std::isfinite(m.kappaAnf25));
    EXPECT_GT(m.kappaAnf25, 1e7);
}

TEST(Characteristics, JustBelowTheFloatOverflowThresholdIsTheLargestFloat)
{
    const DryingModel m =
        computed(with(&InputTexts::Xmess, "340282356779733623858607532500980858880"));
    EXPECT_EQ(m.Xmess, std::numeric_limits<float>::max());
}

TEST(Characteristics, StatusFlagsOfAnEarlierFaultDoNotCarryOver)
{
    std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    DryingModel m;
    EXPECT_NO_THROW(computeCharacteristics(m, InputTexts{}));
    EXPECT_DIGITS(m.psianf, 0.381698, 6);
}

// --- faults: the kind raised and the record left behind ---

// The fields of the record in the order they are computed.
std::vector<double> fieldsInOrder(const DryingModel &m)
{
    return {m.rhoSE,      m.Xanf,       m.Xmess, m.ksiSE, m.kappaMess, m.thetaMess, m.KappaSteig,
            m.rhoAnf,     m.psianf,     m.psiSE, m.XSE,   m.ksiMess,   m.rhoMess,   m.psiMess,
            m.kappaAnf25, m.kappaGrenz, m.ksi25, m.rho25, m.psi25,     m.kappa2525};
}

// A record as an earlier calculation might have left it: every field 42.
DryingModel earlierRecord()
{
    DryingModel m;
    m.rhoSE = m.Xanf = m.ksiSE = m.kappaMess = m.thetaMess = 42;
    m.Xmess = m.KappaSteig = m.rhoMess = 42;
    m.rhoAnf = m.psianf = m.psiSE = m.XSE = m.ksiMess = m.psiMess = 42;
    m.kappaAnf25 = m.kappaGrenz = m.ksi25 = m.rho25 = m.psi25 = m.kappa2525 = 42;
    return m;
}

struct FaultCase
{
    const char *name;
    InputTexts texts;
    ErrorKind kind;
    std::size_t failingField; // index in fieldsInOrder of the first field not written
};

const FaultCase faultCases[] = {
    {"shrinkageOfHundredPercent", with(&InputTexts::ksiSE, "100"), ErrorKind::DivisionByZero, 9},
    {"densityZero", with(&InputTexts::rhoSE, "0"), ErrorKind::DivisionByZero, 9},
    {"densityEmpty", with(&InputTexts::rhoSE, ""), ErrorKind::DivisionByZero, 9},
    {"temperatureZeroingTheLaw", with(&InputTexts::thetaMess, "-19,44444444444445"),
     ErrorKind::DivisionByZero, 14},
    {"initialLoadingZero", with(&InputTexts::Xanf, "0"), ErrorKind::DivisionByZero, 15},
    {"initialLoadingOne", with(&InputTexts::Xanf, "1"), ErrorKind::InvalidArgument, 11},
    {"densityBeyondDouble", with(&InputTexts::rhoSE, "1e400"), ErrorKind::Overflow, 0},
    {"measuredDiffusivityBeyondDouble", with(&InputTexts::kappaMess, "1e400"), ErrorKind::Overflow,
     4},
    {"measurementLoadingBeyondFloat", with(&InputTexts::Xmess, "1e39"), ErrorKind::Overflow, 2},
    {"slopeBeyondFloat", with(&InputTexts::KappaSteig, "-1e39"), ErrorKind::Overflow, 6},
    // halfway between the largest float and 2^128: the rounding to single goes to infinity
    {"measurementLoadingAtFloatOverflow",
     with(&InputTexts::Xmess, "340282356779733661637539395458142568448"), ErrorKind::Overflow, 2},
    {"shrinkageCubeOverflows", with(&InputTexts::ksiSE, "-1e110"), ErrorKind::Overflow, 7},
};

class CharacteristicsFault : public testing::TestWithParam<FaultCase>
{
};

TEST_P(CharacteristicsFault, StopsAtItsStep)
{
    const FaultCase &c = GetParam();
    DryingModel m = earlierRecord();
    EXPECT_EQ(faultOf([&] { computeCharacteristics(m, c.texts); }), c.kind);
    const std::vector<double> fields = fieldsInOrder(m);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i < c.failingField)
            EXPECT_NE(fields[i], 42) << "field " << i << " was not written";
        else
            EXPECT_EQ(fields[i], 42) << "field " << i << " was overwritten";
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, CharacteristicsFault, testing::ValuesIn(faultCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Characteristics, ACleanCalculationFollowsAFault)
{
    DryingModel m;
    EXPECT_THROW(computeCharacteristics(m, with(&InputTexts::Xanf, "1")), CalculationError);
    computeCharacteristics(m, InputTexts{});
    EXPECT_DIGITS(m.kappaGrenz, 3.2031438e-08, 8);
}

} // namespace
