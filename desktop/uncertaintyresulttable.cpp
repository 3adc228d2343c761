#include "uncertaintyresulttable.h"

#include "displayedresults.h"
#include "numbertext.h"
#include "tableheight.h"
#include "uncertaintyfigures.h"

#include <QHeaderView>
#include <QStringList>

namespace quelbor {

namespace {

const QString none = QStringLiteral("–");

// What a row's cells are made from.
struct Row
{
    const UncertaintyEvaluation &evaluation;
    const OutputUncertainty &output;
    int valueDecimals;
    const QString &separator;
};

struct Column
{
    const char *header;
    QString (*text)(const Row &row);
    QString (*toolTip)(const Row &row);
};

QString estimate(const Row &r)
{
    return r.output.gum.error ? none
                              : decimalText(r.output.gum.estimate, r.valueDecimals, r.separator);
}

QString gumU(const Row &r)
{
    return r.output.gum.error ? calculationErrorText(*r.output.gum.error)
                              : twoDigitText(r.output.gum.u, r.separator);
}

QString gumExpanded(const Row &r)
{
    return r.output.gum.error ? none : twoDigitText(r.output.gum.U, r.separator);
}

QString mcMean(const Row &r)
{
    return r.output.monteCarlo
               ? decimalText(r.output.monteCarlo->mean, r.valueDecimals, r.separator)
               : none;
}

QString mcU(const Row &r)
{
    return r.output.monteCarlo ? twoDigitText(r.output.monteCarlo->u, r.separator) : none;
}

QString mcInterval(const Row &r)
{
    return r.output.monteCarlo ? intervalText(r.output.monteCarlo->intervals.symmetric,
                                              r.valueDecimals, r.separator)
                               : none;
}

QString agreement(const Row &r)
{
    if (!r.output.validation)
        return none;
    return r.output.validation->agree ? QStringLiteral("stimmt überein")
                                      : QStringLiteral("weicht ab");
}

QString sensitivities(const Row &r)
{
    if (r.output.gum.error)
        return {};
    QStringList lines{QStringLiteral("Sensitivitätskoeffizienten ∂y/∂x:")};
    for (std::size_t in = 0; in < inputValueFields.size(); ++in) {
        if (r.evaluation.inputs[in].u == 0)
            continue;
        lines.append(QStringLiteral("%1: %2").arg(
            QString::fromLatin1(inputValueFields[in].name),
            QString::fromStdString(
                numberText(r.output.gum.sensitivity[in], std::chars_format::general, 4))
                .replace(u'.', r.separator)));
    }
    return lines.join(u'\n');
}

QString shortestInterval(const Row &r)
{
    if (!r.output.monteCarlo)
        return {};
    return QStringLiteral("Kürzestes 95-%-Intervall: ") +
           intervalText(r.output.monteCarlo->intervals.shortest, r.valueDecimals, r.separator);
}

QString noTip(const Row &)
{
    return {};
}

constexpr Column columns[] = {
    {"Schätzwert", estimate, noTip},
    {"u (GUM)", gumU, sensitivities},
    {"U (k = 2)", gumExpanded, noTip},
    {"Mittelwert (MC)", mcMean, noTip},
    {"u (MC)", mcU, noTip},
    {"95-%-Intervall", mcInterval, shortestInterval},
    {"GUM ↔ MC", agreement, noTip},
};

} // namespace

UncertaintyResultTable::UncertaintyResultTable(QWidget *parent)
    : QTableWidget(static_cast<int>(outputCount), static_cast<int>(std::size(columns)), parent)
{
    setObjectName(QStringLiteral("tbl_Ergebnisse"));
    QStringList headers;
    for (const Column &column : columns)
        headers.append(QString::fromUtf8(column.header));
    setHorizontalHeaderLabels(headers);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    clearFigures();
}

void UncertaintyResultTable::setCaptions(const EnteredBody &body)
{
    QStringList captions;
    for (const QString &caption : body.resultCaptions)
        captions.append(caption);
    setVerticalHeaderLabels(captions);
    fitHeightToRows(*this);
}

void UncertaintyResultTable::showEvaluation(const UncertaintyEvaluation &evaluation,
                                            const QString &separator)
{
    const auto displayed = displayedResults(DryingModel{});
    for (std::size_t out = 0; out < outputCount; ++out) {
        const OutputUncertainty &o = evaluation.outputs[out];
        const Row row{evaluation, o, valueDecimals(o, displayed[out].decimals), separator};
        const bool disagrees = o.validation && !o.validation->agree;
        for (std::size_t c = 0; c < std::size(columns); ++c) {
            auto *cell = new QTableWidgetItem(columns[c].text(row));
            cell->setToolTip(columns[c].toolTip(row));
            const bool mark = c + 1 == std::size(columns);
            cell->setTextAlignment((mark ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter);
            if (mark && disagrees)
                cell->setForeground(Qt::darkRed);
            setItem(static_cast<int>(out), static_cast<int>(c), cell);
        }
    }
}

void UncertaintyResultTable::clearFigures()
{
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column)
            setItem(row, column, new QTableWidgetItem(none));
    }
}

QString disagreementNotes(const UncertaintyEvaluation &evaluation,
                          const std::array<QString, outputCount> &captions,
                          const QString &separator)
{
    QStringList notes;
    for (std::size_t out = 0; out < outputCount; ++out) {
        const std::optional<GumValidation> &v = evaluation.outputs[out].validation;
        if (v && !v->agree)
            notes.append(captions[out] + QStringLiteral(": ") + disagreementText(*v, separator));
    }
    return notes.join(u'\n');
}

} // namespace quelbor
