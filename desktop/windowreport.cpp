#include "windowreport.h"

#include "labreport.h"
#include "version.h"

#include <QLineEdit>
#include <QLocale>
#include <QSettings>
#include <QWidget>

#include <stdexcept>

namespace quelbor {

namespace {

// The user's own settings file, ~/.config/quelbor/quelbor.conf, whoever starts the program.
QSettings userSettings()
{
    return {QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("quelbor"),
            QStringLiteral("quelbor")};
}

const QString labKey = QStringLiteral("report/lab");
const QString operatorKey = QStringLiteral("report/operator");

QString boxText(const QWidget &window, std::string_view box)
{
    const auto *found = window.findChild<QLineEdit *>(
        QString::fromUtf8(box.data(), qsizetype(box.size())), Qt::FindDirectChildrenOnly);
    if (!found)
        throw std::logic_error("no box " + std::string(box));
    return found->text();
}

} // namespace

ReportFields startingReportFields(const QWidget &window)
{
    const QSettings settings = userSettings();
    return {settings.value(labKey).toString(), settings.value(operatorKey).toString(),
            boxText(window, "txt_Massebezeichnung").trimmed(), QString()};
}

void keepReportFields(const ReportFields &fields)
{
    QSettings settings = userSettings();
    settings.setValue(labKey, fields.lab.trimmed());
    settings.setValue(operatorKey, fields.operatorName.trimmed());
}

ReportPage windowReport(const QWidget &window, const ReportFields &fields,
                        const QDateTime &calculated, const UncertaintyEvaluation *uncertainty)
{
    const QDate date = calculated.date();
    const QTime time = calculated.time();
    const ReportDetails details{"Quelbor " + std::string(projectVersion),
                                {date.year(), date.month(), date.day(), time.hour(), time.minute()},
                                fields.lab.simplified().toStdString(),
                                fields.operatorName.simplified().toStdString(),
                                fields.body.simplified().toStdString(),
                                fields.remark.simplified().toStdString()};
    return labReport(
        details, [&window](std::string_view box) { return boxText(window, box).toStdString(); },
        QLocale().decimalPoint().toStdString(), uncertainty);
}

} // namespace quelbor
