#pragma once

#include "enteredbody.h"
#include "uncertaintyevaluation.h"

#include <QTableWidget>

namespace quelbor {

// The six results by both methods, one row each under the main window's caption: the estimate,
// u and U (k = 2) by the law of propagation, mean, u and the symmetric 95 % interval of the
// Monte Carlo trials, and whether the two agree. Values are given to one digit beyond u's
// second significant one, so that a disagreement beyond the tolerance shows in the digits.
// The cells' tooltips hold the sensitivity coefficients and the shortest 95 % interval.
class UncertaintyResultTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit UncertaintyResultTable(QWidget *parent = nullptr);

    void setCaptions(const EnteredBody &body);
    void showEvaluation(const UncertaintyEvaluation &evaluation, const QString &separator);
    void clearFigures();
};

// One line for each result whose two methods disagree: its caption and why; empty if none.
QString disagreementNotes(const UncertaintyEvaluation &evaluation,
                          const std::array<QString, outputCount> &captions,
                          const QString &separator);

} // namespace quelbor
