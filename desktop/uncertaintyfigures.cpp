#include "uncertaintyfigures.h"

namespace quelbor {

QString decimalText(double value, int decimals, const QString &separator)
{
    return QString::fromStdString(decimalText(value, decimals, separator.toStdString()));
}

QString intervalText(const std::pair<double, double> &ends, int decimals, const QString &separator)
{
    return QString::fromStdString(intervalText(ends, decimals, separator.toStdString()));
}

QString twoDigitText(double u, const QString &separator)
{
    return QString::fromStdString(twoDigitText(u, separator.toStdString()));
}

QString calculationErrorText(ErrorKind kind)
{
    return QString::fromStdString(calculationErrorLine(kind));
}

QString disagreementText(const GumValidation &validation, const QString &separator)
{
    const QString factor = QStringLiteral("1") + separator + QStringLiteral("96");
    return QStringLiteral("Die Enden von y ± %1·u liegen um %2 und %3 neben dem 95-%-Intervall "
                          "(MC), Toleranz %4: dem GUM-Ergebnis ist hier nicht zu trauen.")
        .arg(factor, twoDigitText(validation.lowDifference, separator),
             twoDigitText(validation.highDifference, separator),
             twoDigitText(validation.tolerance, separator));
}

} // namespace quelbor
