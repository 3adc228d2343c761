#include "buttonactions.h"

#include "calculationerror.h"
#include "characteristics.h"
#include "diffusivitychart.h"
#include "displayedresults.h"
#include "inputtexts.h"
#include "resultformat.h"
#include "shrinkagechart.h"

#include <span>

namespace quelbor {

namespace {

// Outer window sizes of the two states, in twips.
constexpr int resultWidth = 14355;
constexpr int resultHeight = 10290;
constexpr int inputWidth = 6015;
constexpr int inputHeight = 4050;

struct VisibilityStep
{
    const char *name;
    bool visible;
};

constexpr VisibilityStep swapButtons[] = {{"cmd_Nochmal", true}, {"cmd_Rechne", false}};
constexpr VisibilityStep showResults[] = {
    {"lbl_n4", false},    {"lbl_n5", false},       {"lbl_n6", false},
    {"lbl_n7", false},    {"lbl_n8", false},       {"lbl_Ergebnisse", true},
    {"lbl_psianf", true}, {"lbl_XSE", true},       {"lbl_psiSE", true},
    {"lbl_psi25", true},  {"lbl_kappa2525", true}, {"lbl_kappaGrenz", true},
    {"txt_psianf", true}, {"txt_XSE", true},       {"txt_psiSE", true},
    {"txt_psi25", true},  {"txt_kappa2525", true}, {"txt_kappaGrenz", true},
};
constexpr VisibilityStep hideResults[] = {
    {"lbl_Ergebnisse", false}, {"lbl_psianf", false}, {"lbl_XSE", false},
    {"lbl_psiSE", false},      {"lbl_psi25", false},  {"lbl_kappa2525", false},
    {"lbl_kappaGrenz", false}, {"txt_psianf", false}, {"txt_XSE", false},
    {"txt_psiSE", false},      {"txt_psi25", false},  {"txt_kappa2525", false},
    {"txt_kappaGrenz", false}, {"lbl_n4", false},     {"lbl_n5", false},
    {"lbl_n6", false},         {"lbl_n7", false},     {"lbl_n8", false},
    {"cmd_Nochmal", false},    {"cmd_Rechne", true},
};

// The seven numeric inputs in the order the calculation reads them.
struct InputField
{
    const char *box;
    std::string InputTexts::*text;
};

constexpr InputField inputFields[] = {
    {"txt_rhoSE", &InputTexts::rhoSE},           {"txt_Xanf", &InputTexts::Xanf},
    {"txt_Xmess", &InputTexts::Xmess},           {"txt_ksiSE", &InputTexts::ksiSE},
    {"txt_kappaMess", &InputTexts::kappaMess},   {"txt_thetaMess", &InputTexts::thetaMess},
    {"txt_KappaSteig", &InputTexts::KappaSteig},
};

void setVisibility(WindowControls &window, std::span<const VisibilityStep> steps)
{
    for (const VisibilityStep &step : steps)
        window.setControlVisible(step.name, step.visible);
}

InputTexts inputTexts(const WindowControls &window)
{
    InputTexts texts;
    for (const InputField &field : inputFields)
        texts.*field.text = window.controlText(field.box);
    return texts;
}

void writeResults(WindowControls &window, const DryingModel &model)
{
    const std::string separator = window.decimalSeparator();
    for (const DisplayedResult &result : displayedResults(model))
        window.setControlText(result.box, formatResult(result.value, result.decimals, separator));
}

} // namespace

void pressRechne(WindowControls &window, DryingModel &model, LoadingScale &scale)
{
    setVisibility(window, swapButtons);
    window.setOuterWidthTwips(resultWidth);
    window.setOuterHeightTwips(resultHeight);
    setVisibility(window, showResults);

    computeCharacteristics(model, inputTexts(window));
    writeResults(window, model);
    window.refresh();
    window.setPersistentDrawing(true);

    drawDiffusivityChart(model, scale, window.kappaChart(), window.loadingLabels());
    drawShrinkageChart(model, window.schwindungChart(), [&window] { window.refresh(); });
}

void pressNochmal(WindowControls &window)
{
    setVisibility(window, hideResults);
    window.kappaChart().fillBox(0, 0, 6000, 6000, colours::white);
    window.schwindungChart().fillBox(0, 0, 4000, 1500, colours::white);
    window.refresh();
    window.setOuterWidthTwips(inputWidth);
    window.setOuterHeightTwips(inputHeight);
}

std::optional<std::string> failureReport(const std::function<void()> &action)
{
    try {
        action();
    } catch (const CalculationError &error) {
        return "Laufzeitfehler " + std::to_string(error.number()) + ":\n" + error.text();
    } catch (const std::exception &error) {
        return std::string("Unerwarteter Fehler:\n") + error.what();
    } catch (...) {
        return "Unerwarteter Fehler.";
    }
    return std::nullopt;
}

} // namespace quelbor
