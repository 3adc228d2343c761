#pragma once

#include "bodypalette.h"
#include "comparedbody.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quelbor {

// The bodies of a comparison in the order the user keeps them. Each body gets its colour when
// it is added, the palette's colour fewest bodies have (the first of those), and keeps it
// through every removal, move and rename, so a curve never changes colour under the eye.
// Remembers whether it changed since it was last saved or opened.
class ComparisonList
{
public:
    const std::vector<ComparedBody> &bodies() const { return m_bodies; }
    std::size_t size() const { return m_bodies.size(); }
    bool empty() const { return m_bodies.empty(); }

    // Adds the body in the palette's colour fewest bodies have or, for a body put back from
    // where it was kept, in the colour it had (`colour`, an index of the palette; one outside
    // it is passed over).
    void add(ComparedBody body, std::optional<std::size_t> colour = std::nullopt);
    void remove(std::size_t row);
    // Moves the body at `from` so that it stands at `to` afterwards.
    void move(std::size_t from, std::size_t to);
    void rename(std::size_t row, std::string name);
    void setShown(std::size_t row, bool shown);

    bool modified() const { return m_modified; }
    void markSaved() { m_modified = false; }

private:
    std::size_t leastUsedColour() const;

    std::vector<ComparedBody> m_bodies;
    std::array<std::size_t, bodyPalette.size()> m_colourUses{};
    bool m_modified = false;
};

} // namespace quelbor
