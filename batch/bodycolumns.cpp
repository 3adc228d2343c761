#include "bodycolumns.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quelbor {

namespace {

constexpr std::array nameColumns{"name", "Probe", "Bezeichnung", "Masse"};
constexpr std::array remarkColumns{"Bemerkung", "remark"};

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

} // namespace

std::optional<std::size_t> columnNamed(const BatchColumns &columns,
                                       std::span<const char *const> wanted)
{
    const auto &names = columns.names();
    for (const char *name : wanted) {
        const auto found =
            std::find_if(names.begin(), names.end(),
                         [name](const std::string &column) { return sameName(column, name); });
        if (found != names.end())
            return std::size_t(found - names.begin());
    }
    return std::nullopt;
}

std::optional<std::size_t> bodyNameColumn(const BatchColumns &columns)
{
    if (const auto named = columnNamed(columns, nameColumns))
        return named;
    for (std::size_t column = 0; column < columns.names().size(); ++column) {
        if (!columns.isInput(column))
            return column;
    }
    return std::nullopt;
}

std::optional<std::size_t> remarkColumn(const BatchColumns &columns)
{
    return columnNamed(columns, remarkColumns);
}

} // namespace quelbor
