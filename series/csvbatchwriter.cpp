#include "csvbatchwriter.h"

#include "displayedresults.h"
#include "modelfields.h"
#include "numbertext.h"

#include <algorithm>
#include <utility>

namespace quelbor {

CsvBatchWriter::CsvBatchWriter(std::FILE *output, const BatchColumns &columns,
                               const TableFormat &format, bool allFields,
                               UncertaintyColumns uncertainty)
    : m_output(output, format.encoding)
    , m_columns(columns)
    , m_separator(format.separator)
    , m_decimal(decimalSeparatorFor(format.separator).front())
    , m_lineEnd(format.crlf ? "\r\n" : "\n")
    , m_byteOrderMark(format.byteOrderMark)
    , m_separatorLine(format.separatorLine)
    , m_allFields(allFields)
    , m_uncertainty(uncertainty)
{}

void CsvBatchWriter::writeHeader()
{
    if (m_byteOrderMark)
        m_output.text() += "\xEF\xBB\xBF"; // U+FEFF, written in the table's encoding (FF FE)
    if (m_separatorLine) {
        m_output.text() += "sep=";
        m_output.text() += m_separator;
        m_output.text() += m_lineEnd;
    }
    const std::vector<std::string> &names = m_columns.names();
    bool first = true;
    for (std::size_t column = 0; column < names.size(); ++column) {
        if (!m_columns.isResult(column))
            cell(names[column], std::exchange(first, false));
    }
    for (std::size_t input = 0; input < inputFields.size(); ++input) {
        if (m_columns.inputColumns()[input] == BatchColumns::missing)
            cell(inputFields[input].name);
    }
    for (const std::string &name : resultColumns(m_allFields, m_uncertainty))
        cell(name);
    endLine();
}

std::vector<std::string> CsvBatchWriter::resultColumns(bool allFields,
                                                       UncertaintyColumns uncertainty)
{
    std::vector<std::string> names;
    const auto add = [&names](std::string name) { names.push_back(std::move(name)); };
    const auto boxes = displayedResults(DryingModel{});
    for (const DisplayedResult &result : boxes)
        add(result.box);
    if (uncertainty.gum) {
        for (const DisplayedResult &result : boxes) {
            add(std::string("u_") + result.box);
            add(std::string("U_") + result.box);
        }
    }
    if (uncertainty.monteCarlo) {
        for (const DisplayedResult &result : boxes) {
            for (const char *figure : {"mc_u_", "mc_low95_", "mc_high95_"})
                add(figure + std::string(result.box));
        }
        add("mc_failed_trials");
    }
    if (allFields) {
        for (const ModelField &field : modelFields(DryingModel{}))
            add(std::string("model.") + field.name);
    }
    add("error");
    return names;
}

void CsvBatchWriter::writeRow(const BatchSample &sample)
{
    const std::size_t columns = m_columns.names().size();
    bool first = true;
    for (std::size_t column = 0; column < columns; ++column) {
        if (!m_columns.isResult(column))
            cell(sample.cells[column], std::exchange(first, false));
    }
    for (std::size_t input = 0; input < inputFields.size(); ++input) {
        if (m_columns.inputColumns()[input] == BatchColumns::missing)
            cell(sample.texts.*inputFields[input].text);
    }
    for (std::size_t i = 0; i < displayedResults(DryingModel{}).size(); ++i)
        cell(i < sample.results.size() ? sample.results[i] : std::string_view());
    uncertaintyCells(sample.uncertainty);
    if (m_allFields) {
        for (const ModelField &field : modelFields(sample.calculation.model())) {
            if (sample.malformed.empty())
                number(field.value);
            else
                cell({});
        }
    }
    if (!sample.malformed.empty())
        cell(sample.malformed);
    else if (sample.error)
        cell("Laufzeitfehler " + std::to_string(errorNumber(*sample.error)) + ": " +
             errorText(*sample.error));
    else
        cell({});
    endLine();
}

void CsvBatchWriter::uncertaintyCells(const UncertaintyEvaluation *evaluation)
{
    const auto figure = [this](bool known, double value) {
        if (known)
            number(value);
        else
            cell({});
    };
    for (std::size_t out = 0; m_uncertainty.gum && out < outputCount; ++out) {
        const GumResult *gum = evaluation ? &evaluation->outputs[out].gum : nullptr;
        const bool known = gum && !gum->error;
        figure(known, known ? gum->u : 0);
        figure(known, known ? gum->U : 0);
    }
    if (!m_uncertainty.monteCarlo)
        return;
    for (std::size_t out = 0; out < outputCount; ++out) {
        const auto &mc = evaluation ? evaluation->outputs[out].monteCarlo : std::nullopt;
        figure(mc.has_value(), mc ? mc->u : 0);
        figure(mc.has_value(), mc ? mc->intervals.symmetric.first : 0);
        figure(mc.has_value(), mc ? mc->intervals.symmetric.second : 0);
    }
    if (evaluation && evaluation->monteCarlo)
        cell(std::to_string(evaluation->monteCarlo->failed));
    else
        cell({});
}

void appendCsvCell(std::string &out, std::string_view text, char separator, bool first)
{
    if (!first)
        out += separator;
    // one pass over the text (find_first_of would search the four characters at each one)
    const auto special = [separator](char c) {
        return c == separator || c == '"' || c == '\r' || c == '\n';
    };
    // cppcheck-suppress danglingTemporaryLifetime ; the text outlives the call, as a view does
    const bool quote = std::any_of(text.begin(), text.end(), special);
    if (!quote) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void CsvBatchWriter::cell(std::string_view text, bool first)
{
    appendCsvCell(m_output.text(), text, m_separator, first);
}

// The shortest text that reads back to the same double, with the table's decimal separator.
void CsvBatchWriter::number(double value)
{
    std::string text = shortestNumberText(value);
    std::replace(text.begin(), text.end(), '.', m_decimal);
    m_output.text() += m_separator;
    m_output.text() += text;
}

void CsvBatchWriter::endLine()
{
    m_output.text() += m_lineEnd;
    m_output.written();
}

} // namespace quelbor
