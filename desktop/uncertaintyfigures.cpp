#include "uncertaintyfigures.h"

#include "numbertext.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <string>

namespace quelbor {

namespace {

QString withSeparator(const std::string &number, const QString &separator)
{
    return QString::fromStdString(number).replace(u'.', separator);
}

// The decimal exponent of |u| after rounding to two significant digits: 0.00996 is 0.010, 1e-2.
int roundedExponent(double u)
{
    const std::string scientific = numberText(std::fabs(u), std::chars_format::scientific, 1);
    return std::stoi(scientific.substr(scientific.find('e') + 1));
}

} // namespace

QString decimalText(double value, int decimals, const QString &separator)
{
    return withSeparator(numberText(value, std::chars_format::fixed, decimals), separator);
}

QString intervalText(const std::pair<double, double> &ends, int decimals, const QString &separator)
{
    return QStringLiteral("[%1; %2]")
        .arg(decimalText(ends.first, decimals, separator),
             decimalText(ends.second, decimals, separator));
}

int twoDigitDecimals(double u, int fallback)
{
    if (u == 0 || !std::isfinite(u))
        return fallback;
    return std::max(0, 1 - roundedExponent(u));
}

QString twoDigitText(double u, const QString &separator)
{
    if (u == 0)
        return QStringLiteral("0");
    const int exponent = roundedExponent(u);
    if (exponent <= 1)
        return decimalText(u, 1 - exponent, separator);
    // 123 has two significant digits as 120: rounded in scientific form, written out whole.
    const double rounded = std::stod(numberText(u, std::chars_format::scientific, 1));
    return decimalText(rounded, 0, separator);
}

QString calculationErrorText(ErrorKind kind)
{
    return QStringLiteral("Laufzeitfehler %1: %2")
        .arg(errorNumber(kind))
        .arg(QString::fromStdString(errorText(kind)));
}

QString failedTrialsText(long failed, long trials, const std::map<ErrorKind, long> &failures)
{
    QString text = QStringLiteral("Fehlgeschlagene Versuche: %1 von %2").arg(failed).arg(trials);
    if (failures.empty())
        return text;
    QStringList byError;
    for (const auto &[kind, count] : failures)
        byError.append(QStringLiteral("%1: %2").arg(calculationErrorText(kind)).arg(count));
    return text + QStringLiteral(" (") + byError.join(QStringLiteral("; ")) + u')';
}

QString disagreementText(const GumValidation &validation, const QString &separator)
{
    const auto figure = [&separator](double x) {
        return withSeparator(numberText(x, std::chars_format::general, 2), separator);
    };
    return QStringLiteral("Die Enden von y ± 1,96·u weichen um %1 und %2 vom symmetrischen "
                          "95-%-Intervall (Monte Carlo) ab, mehr als die Toleranz %3: dem "
                          "Ergebnis erster Ordnung (GUM) ist hier nicht zu trauen.")
        .replace(QStringLiteral("1,96"), QStringLiteral("1") + separator + QStringLiteral("96"))
        .arg(figure(validation.lowDifference), figure(validation.highDifference),
             figure(validation.tolerance));
}

} // namespace quelbor
