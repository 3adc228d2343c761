#pragma once

#include "enteredbody.h"
#include "inputuncertainty.h"

#include <QTableWidget>

#include <optional>

namespace quelbor {

// The seven inputs as the main window shows them, each with the standard uncertainty the user
// states for it (a number in the input's unit or "3 %" of its value; decimal comma or point;
// empty or 0 for exact) and its distribution. The values themselves are read-only. The
// uncertainties stay when the window takes a new body.
class UncertaintyInputTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit UncertaintyInputTable(QWidget *parent = nullptr);

    void setBody(const EnteredBody &body);
    // The statements of all seven, or nothing with `problem` saying which cell cannot be read
    // (that cell is then marked).
    std::optional<StatedUncertainties> stated(QString &problem);

private:
    std::vector<std::size_t> m_fields; // the input field of each row
};

} // namespace quelbor
