#pragma once

#include "inputfields.h"
#include "inputtexts.h"
#include "inputuncertainty.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quelbor {

// The columns of a batch table, from its header: which column holds which of the seven inputs
// (found by name, case-insensitive), which their standard uncertainty (u_rhoSE: "12", "3%")
// and its distribution (dist_rhoSE: normal, rect, tri), which hold results of an earlier batch
// (named exactly as a result column: replaced by the new results, so that a result table read
// back gives itself again), and the others, which are carried through.
class BatchColumns
{
public:
    static constexpr std::size_t missing = static_cast<std::size_t>(-1);

    // Fails, with the reason in `error`, on a header without any input column or with an
    // input, uncertainty or distribution column twice.
    static std::optional<BatchColumns> fromHeader(const std::vector<std::string> &names,
                                                  std::string &error,
                                                  const std::vector<std::string> &resultNames = {});

    const std::vector<std::string> &names() const { return m_names; }
    // The column of each input in the order of inputFields, or `missing`.
    const std::array<std::size_t, inputFields.size()> &inputColumns() const { return m_inputs; }
    bool hasUncertaintyColumns() const;
    // A name for each column that no other column has: its header text, with "#" and its
    // column number (from 1) added where the text repeats.
    const std::vector<std::string> &uniqueNames() const { return m_uniqueNames; }
    bool isInput(std::size_t column) const;
    bool isResult(std::size_t column) const { return m_results[column]; }

    // The seven input texts of a row: its cells where the table has the column, else the
    // window's default texts. `cells` holds at least one cell per column.
    void readTexts(const std::vector<std::string> &cells, InputTexts &texts) const;

    // The uncertainties of a row: `stated` (the options') with the non-empty cells of the
    // uncertainty and distribution columns instead. Fails, with the column and the cell in
    // `error`, on a cell that is neither.
    bool readUncertainties(const std::vector<std::string> &cells, StatedUncertainties &stated,
                           std::string &error) const;

private:
    std::vector<std::string> m_names;
    std::vector<std::string> m_uniqueNames;
    std::vector<bool> m_results;
    std::array<std::size_t, inputFields.size()> m_inputs{};
    std::array<std::size_t, inputFields.size()> m_amounts{};
    std::array<std::size_t, inputFields.size()> m_distributions{};
};

} // namespace quelbor
