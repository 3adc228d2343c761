#include "labreport.h"
#include "reportfilename.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <vector>

using namespace quelbor;

namespace {

struct NamedFile
{
    const char *name;
    std::vector<const char *> bodies; // named one after the other, from line 2
    std::vector<const char *> files;
};

const NamedFile namedFiles[] = {
    {"plain", {"Ton A + 10 % Sand"}, {"Ton A + 10 % Sand.pdf"}},
    {"folders and other systems' refusals",
     {"../etc/passwd", "a\\b:c*d?e\"f<g>h|i"},
     {"-etc-passwd.pdf", "a-b-c-d-e-f-g-h-i.pdf"}},
    {"hidden", {".profile", " . . x"}, {"profile.pdf", "x.pdf"}},
    {"control characters and blanks", {"Ton\tA\n\x7f  B  "}, {"Ton A-- B.pdf"}},
    {"nothing left", {"", "...", "  "}, {"Zeile 2.pdf", "Zeile 3.pdf", "Zeile 4.pdf"}},
    {"twice, also in another case",
     {"Ton A", "ton a", "Ton A (2)", "Ton A"},
     {"Ton A.pdf", "ton a (2).pdf", "Ton A (2) (2).pdf", "Ton A (3).pdf"}},
    {"long, cut at a character's end",
     {"ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ"},
     {"ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ.pdf"}},
};

class ReportFileNameTest : public testing::TestWithParam<NamedFile>
{
};

TEST_P(ReportFileNameTest, IsSafeAndUnique)
{
    ReportFileNames names;
    std::vector<std::string> files;
    long line = 2;
    std::transform(GetParam().bodies.begin(), GetParam().bodies.end(), std::back_inserter(files),
                   [&](const char *body) { return names.next(body, line++, ".pdf"); });
    EXPECT_EQ(files, std::vector<std::string>(GetParam().files.begin(), GetParam().files.end()));
}

INSTANTIATE_TEST_SUITE_P(Bodies, ReportFileNameTest, testing::ValuesIn(namedFiles),
                         [](const auto &info) {
                             std::string name = info.param.name;
                             for (char &c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

const std::map<std::string, std::string> shownBoxes{
    {"txt_rhoSE", "1850"},     {"txt_Xanf", "0.25"},      {"txt_ksiSE", "6,2"},
    {"txt_kappaMess", "45"},   {"txt_thetaMess", "20,5"}, {"txt_Xmess", "0,185"},
    {"txt_KappaSteig", "7"},   {"txt_psianf", "0.382"},   {"txt_XSE", "0.136"},
    {"txt_psiSE", "0.251"},    {"txt_psi25", "0.382"},    {"txt_kappa2525", "74.2"},
    {"txt_kappaGrenz", "32.0"}};

// The page's texts in reading order: heading, details, both sections, footer. Inputs take
// the results' separator; empty details are left out.
TEST(LabReportTest, TextsInReadingOrder)
{
    const ReportDetails details{"Quelbor 9.8.7", {2024, 3, 5, 9, 7}, "", "M. Muster",
                                "Ton A",         "Charge 7"};
    const ReportPage page = labReport(
        details, [](std::string_view box) { return shownBoxes.at(std::string(box)); }, ".");
    std::vector<std::string> texts(page.texts.size());
    std::transform(page.texts.begin(), page.texts.end(), texts.begin(),
                   [](const PageText &text) { return text.text; });
    // clang-format off
    const std::vector<std::string> expected{
        "Berechnung von Trocknungskenndaten",
        "Quelbor 9.8.7, berechnet am 05.03.2024 um 09:07 Uhr",
        "Bearbeiter:", "M. Muster",
        "Bezeichnung:", "Ton A", "Bemerkung:", "Charge 7",
        "Eingabedaten:",
        "Dichte der getrockneten Masse", "1850", "kg/m³",
        "Anfangswasserbeladung", "0.25", "kg/kg atro",
        "Lineare Trockenschwindung", "6.2", "%",
        "Feuchteleitkoeffizient", "45", "10^(-9) m²/s",
        "bei Messtemperatur", "20.5", "°C",
        "und Wasserbeladung", "0.185", "kg/kg atro",
        "Kappa-Steigung unter Grenzfeuchte ( 6...10 )", "7",
        "Rechenergebnisse:",
        "Vol. Anfangswassergehalt", "0.382", "m³/m³",
        "Grenzwasserbeladung", "0.136", "kg/kg atro",
        "Vol. Grenzwassergehalt", "0.251", "m³/m³",
        "Vol. Wassergeh. für 0,25 kg/kg atro", "0.382", "m³/m³",
        "Feuchteleitkoeffizient (25,25)", "74.2", "10^(-9) m²/s",
        "Grenz-Feuchteleitkoeffizient", "32.0", "10^(-9) m²/s",
        "Erstellt mit Quelbor 9.8.7", "Seite 1 von 1"};
    // clang-format on
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(page.title, "Berechnung von Trocknungskenndaten: Ton A");
}

// Everything lies on the page, no two texts overlap, and both charts keep the window's
// proportions: the shrinkage chart below the table, the diffusivity chart beside it. An
// uncertainty section takes its height from the diffusivity chart.
void expectPartsApart(const ReportPage &page, double narrowestChart)
{
    const auto inside = [&page](double left, double top, double width, double height) {
        return left >= 0 && top >= 0 && left + width <= page.width && top + height <= page.height;
    };
    for (const PageText &text : page.texts) {
        EXPECT_TRUE(inside(text.left, text.top, text.width, text.height)) << text.text;
        for (const PageText &other : page.texts) {
            const bool apart = &text == &other || text.left + text.width <= other.left ||
                               other.left + other.width <= text.left ||
                               text.top + text.height <= other.top ||
                               other.top + other.height <= text.top;
            EXPECT_TRUE(apart) << text.text << " overlaps " << other.text;
        }
    }
    ASSERT_EQ(page.charts.size(), 2U);
    for (const PageChart &chart : page.charts) {
        EXPECT_TRUE(inside(chart.left, chart.top, chart.width, chart.height));
        EXPECT_NEAR(chart.width / chart.height, chart.source.width / chart.source.height, 1e-9);
        EXPECT_GE(chart.width, narrowestChart) << "large enough to read";
    }
    EXPECT_EQ(page.charts[0].controls.front(), "Label42");
    EXPECT_EQ(page.charts[1].controls.front(), "Label36");
}

const ReportDetails fullDetails{"Quelbor",  {2024, 12, 31, 23, 59}, "Labor", "Bearbeiter", "Ton",
                                "Bemerkung"};

std::string shownBox(std::string_view box)
{
    return shownBoxes.at(std::string(box));
}

TEST(LabReportTest, PartsStayApart)
{
    expectPartsApart(labReport(fullDetails, shownBox, ","), 80);
}

// An evaluation with figures of every kind: u below and above 10, a result the law of
// propagation failed on and the trials left out, failed trials, three uncertain inputs.
UncertaintyEvaluation evaluationOfEveryKind()
{
    UncertaintyEvaluation e;
    e.inputs[0] = {1850, 20, Distribution::Normal};       // rhoSE
    e.inputs[3] = {6.2, 0.186, Distribution::Normal};     // ksiSE
    e.inputs[5] = {20.5, 0.5, Distribution::Rectangular}; // thetaMess
    e.outputs[0].gum = {std::nullopt, 0.382, 0.0090, 0.018, {}, {}};
    e.outputs[0].monteCarlo = MonteCarloResult{0.382, 0.0091, {{0.37312, 0.39087}, {}}};
    for (std::size_t out = 1; out < 5; ++out) {
        e.outputs[out].gum = {std::nullopt, 74.2, 123.4, 246.8, {}, {}};
        e.outputs[out].monteCarlo = MonteCarloResult{74.2, 120, {{50.04, 98.46}, {}}};
    }
    e.outputs[5].gum.error = ErrorKind::DivisionByZero;
    e.monteCarlo = MonteCarloRun{20000, 3, {{ErrorKind::InvalidArgument, 3}}, std::nullopt};
    e.settings.seed = 4711;
    return e;
}

// The section below the diffusivity chart, after the results in reading order: u and U to two
// significant digits, the interval to one digit more than u, "–" where there is no figure.
TEST(LabReportTest, UncertaintySectionAsTheWindowWritesIt)
{
    const UncertaintyEvaluation evaluation = evaluationOfEveryKind();
    const ReportPage page = labReport(fullDetails, shownBox, ",", &evaluation);
    std::vector<std::string> texts(page.texts.size());
    std::transform(page.texts.begin(), page.texts.end(), texts.begin(),
                   [](const PageText &text) { return text.text; });
    const auto heading = std::ranges::find(texts, "Messunsicherheit");
    ASSERT_NE(heading, texts.end());
    EXPECT_LT(std::ranges::find(texts, "32.0"), heading) << "after the results";
    // clang-format off
    const std::vector<std::string> expected{
        "Messunsicherheit", "Monte Carlo: 20000 Versuche, Startwert 4711",
        "u (GUM)", "U (k = 2)", "95-%-Intervall (MC)",
        "Vol. Anfangswassergehalt", "0,0090", "0,018", "[0,37312; 0,39087]", "m³/m³",
        "Grenzwasserbeladung", "120", "250", "[50,0; 98,5]", "kg/kg atro",
        "Vol. Grenzwassergehalt", "120", "250", "[50,0; 98,5]", "m³/m³",
        "Vol. Wassergeh. für 0,25 kg/kg atro", "120", "250", "[50,0; 98,5]", "m³/m³",
        "Feuchteleitkoeffizient (25,25)", "120", "250", "[50,0; 98,5]", "10^(-9) m²/s",
        "Grenz-Feuchteleitkoeffizient", "–", "–", "–", "10^(-9) m²/s",
        "u(rhoSE) = 20 kg/m³ (normal)", "u(ksiSE) = 0,186 % (normal)",
        "u(thetaMess) = 0,5 °C (rechteckig)",
        "Fehlgeschlagene Versuche: 3 von 20000 (Laufzeitfehler 5: Ungültiger Prozeduraufruf "
        "oder ungültiges Argument: 3)",
        "Grenz-Feuchteleitkoeffizient (GUM): Laufzeitfehler 11: Division durch Null",
        "Erstellt mit Quelbor", "Seite 1 von 1"};
    // clang-format on
    EXPECT_EQ(std::vector<std::string>(heading, texts.end()), expected);
    expectPartsApart(page, 70);
}

} // namespace
