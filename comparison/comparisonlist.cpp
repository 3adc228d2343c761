#include "comparisonlist.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace quelbor {

namespace {

void checkRow(std::size_t row, std::size_t size)
{
    if (row >= size)
        throw std::out_of_range("no body in row " + std::to_string(row));
}

} // namespace

void ComparisonList::add(ComparedBody body, std::optional<std::size_t> colour)
{
    body.colour = colour && *colour < bodyPalette.size() ? *colour : leastUsedColour();
    ++m_colourUses[body.colour];
    m_bodies.push_back(std::move(body));
    m_modified = true;
}

void ComparisonList::remove(std::size_t row)
{
    checkRow(row, m_bodies.size());
    --m_colourUses[m_bodies[row].colour];
    m_bodies.erase(m_bodies.begin() + std::ptrdiff_t(row));
    m_modified = true;
}

void ComparisonList::move(std::size_t from, std::size_t to)
{
    checkRow(from, m_bodies.size());
    checkRow(to, m_bodies.size());
    const auto first = m_bodies.begin();
    if (from < to)
        std::rotate(first + std::ptrdiff_t(from), first + std::ptrdiff_t(from) + 1,
                    first + std::ptrdiff_t(to) + 1);
    else
        std::rotate(first + std::ptrdiff_t(to), first + std::ptrdiff_t(from),
                    first + std::ptrdiff_t(from) + 1);
    m_modified = m_modified || from != to;
}

void ComparisonList::rename(std::size_t row, std::string name)
{
    checkRow(row, m_bodies.size());
    if (m_bodies[row].name == name)
        return;
    m_bodies[row].name = std::move(name);
    m_modified = true;
}

void ComparisonList::setShown(std::size_t row, bool shown)
{
    checkRow(row, m_bodies.size());
    m_bodies[row].shown = shown;
}

std::size_t ComparisonList::leastUsedColour() const
{
    return std::size_t(std::min_element(m_colourUses.begin(), m_colourUses.end()) -
                       m_colourUses.begin());
}

} // namespace quelbor
