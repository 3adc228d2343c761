#pragma once

#include "reportpage.h"
#include "uncertaintyevaluation.h"

#include <QDateTime>
#include <QString>

class QWidget;

namespace quelbor {

// What the user says about a report: the lab and the operator, kept in the user's settings
// from one report to the next, and the body's name and a remark for this one.
struct ReportFields
{
    QString lab;
    QString operatorName;
    QString body;
    QString remark;
};

// The fields a new report starts with: lab and operator as last kept, the body's name as the
// window shows it, no remark.
ReportFields startingReportFields(const QWidget &window);

// Keeps the lab and the operator in the user's settings for the next report.
void keepReportFields(const ReportFields &fields);

// The report of what the window shows now, calculated at the given time: its boxes' texts,
// the results' decimal separator, and where its charts go; with the measurement uncertainty
// of its inputs where one is given.
ReportPage windowReport(const QWidget &window, const ReportFields &fields,
                        const QDateTime &calculated,
                        const UncertaintyEvaluation *uncertainty = nullptr);

} // namespace quelbor
