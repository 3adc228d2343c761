#pragma once

#include "windowreport.h"

#include <optional>

class QWidget;

namespace quelbor {

// Asks for the report's lab, operator, body name and remark, starting from the given fields,
// in the dialog "Angaben zum Bericht". Nothing when it is cancelled; otherwise the fields as
// entered, with lab and operator kept for the next report.
std::optional<ReportFields> askReportFields(QWidget &parent, const ReportFields &starting);

} // namespace quelbor
