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
                                                     std::string &error,
                                                     const std::vector<std::string> &resultNames)
{
    BatchColumns columns;
    columns.m_names = names;
    columns.m_inputs.fill(missing);
    columns.m_amounts.fill(missing);
    columns.m_distributions.fill(missing);
    // the three kinds of column an input can have, by the prefix of their name
    const std::array<std::pair<std::string_view, decltype(m_inputs) *>, 3> kinds{
        {{"", &columns.m_inputs}, {"u_", &columns.m_amounts}, {"dist_", &columns.m_distributions}}};
    bool anyInput = false;
    for (std::size_t column = 0; column < names.size(); ++column) {
        for (std::size_t input = 0; input < inputFields.size(); ++input) {
            for (const auto &[prefix, found] : kinds) {
                const std::string name = std::string(prefix) + inputFields[input].name;
                if (!sameNameIgnoringCase(names[column], name))
                    continue;
                if ((*found)[input] != missing) {
                    error = "the column " + name + " appears twice";
                    return std::nullopt;
                }
                (*found)[input] = column;
                anyInput = anyInput || prefix.empty();
            }
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
        columns.m_results.push_back(
            std::find(resultNames.begin(), resultNames.end(), names[column]) != resultNames.end());
        columns.m_uniqueNames.push_back(uses[names[column]] == 1
                                            ? names[column]
                                            : names[column] + "#" + std::to_string(column + 1));
    }
    return columns;
}

bool BatchColumns::isInput(std::size_t column) const
{
    const auto holds = [column](const auto &columns) {
        return std::find(columns.begin(), columns.end(), column) != columns.end();
    };
    return holds(m_inputs) || holds(m_amounts) || holds(m_distributions);
}

bool BatchColumns::hasUncertaintyColumns() const
{
    const auto present = [](std::size_t column) { return column != missing; };
    return std::any_of(m_amounts.begin(), m_amounts.end(), present) ||
           std::any_of(m_distributions.begin(), m_distributions.end(), present);
}

void BatchColumns::readTexts(const std::vector<std::string> &cells, InputTexts &texts) const
{
    for (std::size_t input = 0; input < inputFields.size(); ++input) {
        if (m_inputs[input] != missing)
            texts.*inputFields[input].text = cells[m_inputs[input]];
    }
}

} // namespace quelbor

namespace quelbor {

bool BatchColumns::readUncertainties(const std::vector<std::string> &cells,
                                     StatedUncertainties &stated, std::string &error) const
{
    for (std::size_t input = 0; input < inputFields.size(); ++input) {
        const std::size_t amountColumn = m_amounts[input];
        if (amountColumn != missing && !cells[amountColumn].empty()) {
            const auto amount = readStatedAmount(cells[amountColumn]);
            if (!amount) {
                error = m_names[amountColumn] + ": \"" + cells[amountColumn] +
                        "\" is no standard uncertainty (a number, or a number with %)";
                return false;
            }
            stated[input].amount = amount->amount;
            stated[input].percent = amount->percent;
        }
        const std::size_t distributionColumn = m_distributions[input];
        if (distributionColumn != missing && !cells[distributionColumn].empty()) {
            const auto distribution = readDistribution(cells[distributionColumn]);
            if (!distribution) {
                error = m_names[distributionColumn] + ": \"" + cells[distributionColumn] +
                        "\" is none of normal, rect, tri";
                return false;
            }
            stated[input].distribution = *distribution;
        }
    }
    return true;
}

} // namespace quelbor
