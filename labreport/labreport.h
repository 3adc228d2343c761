#pragma once

#include "reportpage.h"
#include "reportrows.h"
#include "uncertaintyevaluation.h"

#include <string>
#include <string_view>

namespace quelbor {

// When "Rechne !" was pressed, local time.
struct CalculationTime
{
    int year;
    int month;
    int day;
    int hour;
    int minute;
};

// What a report says besides the window: when it was calculated, for whom and by whom, of
// which body. Empty lab, operator and remark are left out.
struct ReportDetails
{
    std::string program; // name and version
    CalculationTime calculated;
    std::string lab;
    std::string operatorName;
    std::string body;
    std::string remark;
};

// The lab report of one calculation on one A4 page in landscape, in German as the window: a
// heading with the program, its version and the time of the calculation; the details; the
// seven inputs and six results with captions and units; both charts as the window shows them;
// a footer with the program's version. Texts come in reading order. With an uncertainty
// evaluation of the body, its section (reportuncertainty.h) stands below the diffusivity chart.
ReportPage labReport(const ReportDetails &details, const BoxText &boxText,
                     std::string_view separator,
                     const UncertaintyEvaluation *uncertainty = nullptr);

} // namespace quelbor
