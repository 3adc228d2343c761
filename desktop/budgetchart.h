#pragma once

#include "uncertaintyevaluation.h"

#include <QWidget>

#include <array>
#include <optional>

namespace quelbor {

// The uncertainty budgets of the law of propagation as bars: one bar per result, split into
// each uncertain input's share of the result's variance u², with the shares written on the
// parts wide enough for them and a legend of the inputs below. A result without a budget (a
// faulted derivative, u = 0) gets its reason instead of a bar.
class BudgetChart : public QWidget
{
    Q_OBJECT

public:
    explicit BudgetChart(QWidget *parent = nullptr);

    void setCaptions(const std::array<QString, outputCount> &captions);
    void setEvaluation(const UncertaintyEvaluation &evaluation, const QString &separator);
    void clear();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int captionWidth() const;

    std::array<QString, outputCount> m_captions;
    std::optional<UncertaintyEvaluation> m_evaluation;
    QString m_separator;
};

} // namespace quelbor
