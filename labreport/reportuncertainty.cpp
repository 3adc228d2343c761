#include "reportuncertainty.h"

#include "displayedresults.h"
#include "dryingmodel.h"
#include "numbertext.h"
#include "reportrows.h"
#include "uncertaintytext.h"

namespace quelbor {

namespace {

const std::string none = "–";

UncertaintyRow resultRow(const DisplayedResult &shown, const OutputUncertainty &output,
                         std::string_view separator)
{
    const ReportRow caption = captionRow(shown.box);
    UncertaintyRow row{caption.caption, none, none, none, caption.unit};
    if (!output.gum.error) {
        row.u = twoDigitText(output.gum.u, separator);
        row.expanded = twoDigitText(output.gum.U, separator);
    }
    if (output.monteCarlo)
        row.interval = intervalText(output.monteCarlo->intervals.symmetric,
                                    valueDecimals(output, shown.decimals), separator);
    return row;
}

std::string inputText(const char *name, const InputUncertainty &input, std::string_view separator)
{
    std::string u = numberText(input.u, std::chars_format::general, 4);
    if (const auto point = u.find('.'); point != std::string::npos)
        u.replace(point, 1, separator);
    const std::string unit = captionRow("txt_" + std::string(name)).unit;
    return "u(" + std::string(name) + ") = " + u + (unit.empty() ? "" : " " + unit) + " (" +
           germanDistributionName(input.distribution) + ")";
}

std::string trialsText(const UncertaintyEvaluation &evaluation)
{
    if (!evaluation.monteCarlo)
        return "Monte Carlo: nicht gerechnet";
    return "Monte Carlo: " + std::to_string(evaluation.monteCarlo->trials) +
           " Versuche, Startwert " + std::to_string(evaluation.settings.seed);
}

} // namespace

ReportUncertainty reportUncertainty(const UncertaintyEvaluation &evaluation,
                                    std::string_view separator)
{
    ReportUncertainty texts{{"", "u (GUM)", "U (k = 2)", "95-%-Intervall (MC)", ""},
                            {},
                            {},
                            trialsText(evaluation),
                            {}};
    const auto shown = displayedResults(DryingModel{});
    for (std::size_t out = 0; out < outputCount; ++out) {
        const OutputUncertainty &output = evaluation.outputs[out];
        texts.rows.push_back(resultRow(shown[out], output, separator));
        if (output.gum.error)
            texts.faults.push_back(texts.rows.back().caption +
                                   " (GUM): " + calculationErrorLine(*output.gum.error));
    }
    for (std::size_t in = 0; in < inputValueFields.size(); ++in) {
        if (evaluation.inputs[in].u != 0)
            texts.inputs.push_back(
                inputText(inputValueFields[in].name, evaluation.inputs[in], separator));
    }
    if (evaluation.monteCarlo && evaluation.monteCarlo->failed > 0)
        texts.faults.insert(texts.faults.begin(), failedTrialsLine(*evaluation.monteCarlo));
    return texts;
}

} // namespace quelbor
