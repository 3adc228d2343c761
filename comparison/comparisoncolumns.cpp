#include "comparisoncolumns.h"

#include "controltable.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace quelbor {

namespace {

using enum ComparisonColumn::Kind;

struct ColumnSource
{
    ComparisonColumn::Kind kind;
    std::string_view label;
    std::string InputTexts::*input = nullptr;
    std::size_t result = 0;
};

constexpr ColumnSource columnSources[] = {
    {Name, "Label41"},
    {Input, "lbl_rhoSE", &InputTexts::rhoSE},
    {Input, "lbl_Xanf", &InputTexts::Xanf},
    {Input, "lbl_ksiSE", &InputTexts::ksiSE},
    {Input, "lbl_kappaMess", &InputTexts::kappaMess},
    {Input, "lbl_thetaMess", &InputTexts::thetaMess},
    {Input, "lbl_Xmess", &InputTexts::Xmess},
    {Input, "Label39", &InputTexts::KappaSteig},
    {Result, "lbl_psianf", nullptr, 0},
    {Result, "lbl_XSE", nullptr, 1},
    {Result, "lbl_psiSE", nullptr, 2},
    {Result, "lbl_psi25", nullptr, 3},
    {Result, "lbl_kappa2525", nullptr, 4},
    {Result, "lbl_kappaGrenz", nullptr, 5},
};

std::string collapsedBlanks(std::string_view text)
{
    std::string collapsed;
    for (const char c : text) {
        if (c != ' ' || (!collapsed.empty() && collapsed.back() != ' '))
            collapsed += c;
    }
    if (!collapsed.empty() && collapsed.back() == ' ')
        collapsed.pop_back();
    return collapsed;
}

std::vector<std::string> makeCaptions()
{
    std::vector<std::string> captions;
    for (const ColumnSource &source : columnSources) {
        const auto controls = controlTable();
        const auto label =
            std::find_if(controls.begin(), controls.end(),
                         [&](const ControlDesign &c) { return c.name == source.label; });
        if (label == controls.end())
            throw std::logic_error("no label " + std::string(source.label));
        captions.push_back(collapsedBlanks(label->text));
    }
    captions.emplace_back("Fehler");
    return captions;
}

std::vector<ComparisonColumn> makeColumns()
{
    static const std::vector<std::string> captions = makeCaptions();
    std::vector<ComparisonColumn> columns;
    for (std::size_t i = 0; i < std::size(columnSources); ++i) {
        const ColumnSource &source = columnSources[i];
        columns.push_back({source.kind, captions[i], source.input, source.result});
    }
    columns.push_back({Error, captions.back()});
    return columns;
}

std::string withSeparator(std::string_view number, std::string_view separator)
{
    std::string written;
    for (const char c : number) {
        if (c == ',' || c == '.')
            written += separator;
        else
            written += c;
    }
    return written;
}

std::string clipboardCell(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

} // namespace

std::span<const ComparisonColumn> comparisonColumns()
{
    static const std::vector<ComparisonColumn> columns = makeColumns();
    return columns;
}

std::string cellText(const ComparedBody &body, const ComparisonColumn &column,
                     std::string_view decimalSeparator)
{
    switch (column.kind) {
    case Name:
        return body.name;
    case Input:
        return body.texts.*column.input;
    case Result:
        return column.result < body.results.size()
                   ? withSeparator(body.results[column.result], decimalSeparator)
                   : std::string();
    case Error:
        return body.error;
    }
    return {};
}

std::string comparisonClipboardTable(std::span<const ComparedBody> bodies,
                                     std::string_view decimalSeparator)
{
    std::string table;
    const auto line = [&table](const auto &cellOf) {
        bool first = true;
        for (const ComparisonColumn &column : comparisonColumns()) {
            if (!first)
                table += '\t';
            first = false;
            table += clipboardCell(cellOf(column));
        }
        table += '\n';
    };
    line([](const ComparisonColumn &column) { return std::string(column.caption); });
    for (const ComparedBody &body : bodies) {
        line([&](const ComparisonColumn &column) {
            const std::string text = cellText(body, column, decimalSeparator);
            return column.kind == Input ? withSeparator(text, decimalSeparator) : text;
        });
    }
    return table;
}

} // namespace quelbor
