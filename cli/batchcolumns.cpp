#include "batchcolumns.h"

#include <algorithm>
#include <map>

namespace quelbor {

namespace {

bool sameNameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

std::optional<BatchColumns> BatchColumns::fromHeader(const std::vector<std::string> &names,
                                                     std::string &error)
{
    BatchColumns columns;
    columns.m_names = names;
    columns.m_inputs.fill(missing);
    bool anyInput = false;
    for (std::size_t column = 0; column < names.size(); ++column) {
        for (std::size_t input = 0; input < inputFields.size(); ++input) {
            if (!sameNameIgnoringCase(names[column], inputFields[input].name))
                continue;
            if (columns.m_inputs[input] != missing) {
                error = std::string("the column ") + inputFields[input].name + " appears twice";
                return std::nullopt;
            }
            columns.m_inputs[input] = column;
            anyInput = true;
        }
    }
    if (!anyInput) {
        error = "the header names none of the input columns rhoSE, Xanf, Xmess, ksiSE, "
                "kappaMess, thetaMess, KappaSteig";
        return std::nullopt;
    }
    std::map<std::string, int> uses;
    for (const std::string &name : names)
        ++uses[name];
    for (std::size_t column = 0; column < names.size(); ++column) {
        columns.m_uniqueNames.push_back(uses[names[column]] == 1
                                            ? names[column]
                                            : names[column] + "#" + std::to_string(column + 1));
    }
    return columns;
}

bool BatchColumns::isInput(std::size_t column) const
{
    return std::find(m_inputs.begin(), m_inputs.end(), column) != m_inputs.end();
}

void BatchColumns::readTexts(const std::vector<std::string> &cells, InputTexts &texts) const
{
    for (std::size_t input = 0; input < inputFields.size(); ++input) {
        if (m_inputs[input] != missing)
            texts.*inputFields[input].text = cells[m_inputs[input]];
    }
}

} // namespace quelbor
