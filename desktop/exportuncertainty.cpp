#include "exportuncertainty.h"

#include <QCommandLineParser>

namespace quelbor {

namespace {

constexpr long fewestTrials = 100;
constexpr long mostTrials = 10000000;

QString amountOption(const char *name)
{
    return QStringLiteral("u-") + QString::fromLatin1(name);
}

QString distributionOption(const char *name)
{
    return QStringLiteral("dist-") + QString::fromLatin1(name);
}

const QString trialsOption = QStringLiteral("trials");
const QString seedOption = QStringLiteral("seed");

} // namespace

void addUncertaintyOptions(QCommandLineParser &parser)
{
    for (const InputValueField &field : inputValueFields) {
        const QString name = QString::fromLatin1(field.name);
        parser.addOption({amountOption(field.name),
                          QStringLiteral("With --layout report: standard uncertainty of %1 in "
                                         "its unit, or in % of its value (3%).")
                              .arg(name),
                          QStringLiteral("U")});
        parser.addOption(
            {distributionOption(field.name),
             QStringLiteral("Distribution of %1: normal (default), rect or tri.").arg(name),
             QStringLiteral("DIST")});
    }
    parser.addOption({trialsOption,
                      QStringLiteral("Monte Carlo trials, %1 to %2 (default %3).")
                          .arg(fewestTrials)
                          .arg(mostTrials)
                          .arg(defaultTrials),
                      QStringLiteral("N")});
    parser.addOption(
        {seedOption,
         QStringLiteral("Seed of the trials' random numbers (default %1).").arg(defaultSeed),
         QStringLiteral("S")});
}

std::variant<std::monostate, ExportUncertainty, QString>
readUncertaintyOptions(const QCommandLineParser &parser)
{
    ExportUncertainty uncertainty;
    bool given = parser.isSet(trialsOption) || parser.isSet(seedOption);
    for (std::size_t in = 0; in < inputValueFields.size(); ++in) {
        const QString amountName = amountOption(inputValueFields[in].name);
        const QString distributionOptionName = distributionOption(inputValueFields[in].name);
        StatedUncertainty &stated = uncertainty.stated[in];
        if (parser.isSet(amountName)) {
            const auto amount = readStatedAmount(parser.value(amountName).toStdString());
            if (!amount)
                return QStringLiteral("--%1: \"%2\" is no standard uncertainty (a number, or a "
                                      "number with %)")
                    .arg(amountName, parser.value(amountName));
            stated = *amount;
            given = true;
        }
        if (parser.isSet(distributionOptionName)) {
            const auto distribution =
                readDistribution(parser.value(distributionOptionName).toStdString());
            if (!distribution)
                return QStringLiteral("--%1: \"%2\" is none of normal, rect, tri")
                    .arg(distributionOptionName, parser.value(distributionOptionName));
            stated.distribution = *distribution;
            given = true;
        }
    }
    if (!given)
        return std::monostate{};
    bool number = true;
    if (parser.isSet(trialsOption))
        uncertainty.settings.trials = parser.value(trialsOption).toLong(&number);
    if (!number || uncertainty.settings.trials < fewestTrials ||
        uncertainty.settings.trials > mostTrials)
        return QStringLiteral("--trials takes a whole number from %1 to %2")
            .arg(fewestTrials)
            .arg(mostTrials);
    if (parser.isSet(seedOption))
        uncertainty.settings.seed = parser.value(seedOption).toULongLong(&number);
    if (!number)
        return QStringLiteral("--seed takes a whole number");
    return uncertainty;
}

} // namespace quelbor
