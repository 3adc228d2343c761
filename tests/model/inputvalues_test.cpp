// The numeric entry point is the text one after ParseDecimal: the same bits in every field and
// the same fault at the same step, the fields after it untouched.

#include "characteristics.h"
#include "expectations.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

using namespace quelbor;
using quelbor::test::faultOf;

namespace {

struct EntryCase
{
    const char *name;
    InputTexts texts;
};

InputTexts with(std::string InputTexts::*field, std::string value)
{
    InputTexts texts;
    texts.*field = std::move(value);
    return texts;
}

const EntryCase entryCases[] = {
    {"Defaults", {}},
    {"DecimalsThatAreNoBinaryFractions", with(&InputTexts::Xmess, "0,1234567891")},
    {"KappaSteigBeyondFloatPrecision", with(&InputTexts::KappaSteig, "7,000000123")},
    {"CubeRootOfNegativeBase", with(&InputTexts::Xanf, "1")},       // fault 5 at ksiMess
    {"ShrinkageOfHundredPercent", with(&InputTexts::ksiSE, "100")}, // fault 11 at psiSE
    {"XmessBeyondFloatRange", with(&InputTexts::Xmess, "1e39")},    // fault 6 when stored
};

void PrintTo(const EntryCase &c, std::ostream *os)
{
    *os << c.name;
}

// A model whose every byte is set, so that fields not reached compare equal only if neither
// call wrote them.
DryingModel filled()
{
    DryingModel model;
    std::memset(static_cast<void *>(&model), 0x5a, sizeof model);
    return model;
}

class NumericEntry : public testing::TestWithParam<EntryCase>
{
};

TEST_P(NumericEntry, GivesTheTextEntrysBitsAndFault)
{
    const InputTexts &texts = GetParam().texts;
    DryingModel fromTexts = filled();
    DryingModel fromValues = filled();
    const auto textFault = faultOf([&] { computeCharacteristics(fromTexts, texts); });
    const auto valueFault =
        faultOf([&] { computeCharacteristics(fromValues, enteredValues(texts)); });
    EXPECT_EQ(textFault, valueFault);
    EXPECT_EQ(std::memcmp(&fromTexts, &fromValues, sizeof(DryingModel)), 0);
}

INSTANTIATE_TEST_SUITE_P(Bodies, NumericEntry, testing::ValuesIn(entryCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(NumericEntry, TakesKsiAndKappaInTheUnitsEntered)
{
    DryingModel model;
    InputValues values;
    values.ksiSE = 5;
    values.kappaMess = 30;
    computeCharacteristics(model, values);
    EXPECT_EQ(model.ksiSE, 0.05);
    EXPECT_EQ(model.kappaMess, 3e-8);
    EXPECT_EQ(model.Xmess, 0.185f);
}

} // namespace
