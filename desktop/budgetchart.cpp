#include "budgetchart.h"

#include "uncertaintyfigures.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quelbor {

namespace {

// One colour per input, in the order of inputValueFields, told apart in print as on screen.
const std::array<QColor, inputValueFields.size()> inputColours = {
    QColor(31, 119, 180),  QColor(255, 127, 14), QColor(44, 160, 44),   QColor(214, 39, 40),
    QColor(148, 103, 189), QColor(140, 86, 75),  QColor(227, 119, 194),
};

constexpr int margin = 6;
constexpr int barHeight = 22;
constexpr int barGap = 8;
constexpr int legendSwatch = 12;

// Black text on the light parts, white on the dark ones.
QColor textColourOn(const QColor &fill)
{
    return fill.lightnessF() > 0.55 ? Qt::black : Qt::white;
}

} // namespace

BudgetChart::BudgetChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pic_Budget"));
    setAccessibleName(QStringLiteral("Unsicherheitsbudget: Anteile der Eingaben an u² je "
                                     "Ergebnis"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void BudgetChart::setCaptions(const std::array<QString, outputCount> &captions)
{
    m_captions = captions;
    updateGeometry();
    update();
}

void BudgetChart::setEvaluation(const UncertaintyEvaluation &evaluation, const QString &separator)
{
    m_evaluation = evaluation;
    m_separator = separator;
    update();
}

void BudgetChart::clear()
{
    m_evaluation.reset();
    update();
}

int BudgetChart::captionWidth() const
{
    int widest = 0;
    for (const QString &caption : m_captions)
        widest = std::max(widest, fontMetrics().horizontalAdvance(caption));
    return widest;
}

QSize BudgetChart::sizeHint() const
{
    const int lines = fontMetrics().height();
    const int height =
        margin + lines + static_cast<int>(outputCount) * (barHeight + barGap) + lines + margin;
    return {captionWidth() + 400, height};
}

void BudgetChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.height();
    painter.setPen(palette().text().color());
    painter.drawText(QRect(margin, margin, width() - 2 * margin, lineHeight), Qt::AlignLeft,
                     QStringLiteral("Unsicherheitsbudget (GUM): Anteile der Eingaben an u²"));

    const int left = margin + captionWidth() + margin;
    const int barWidth = std::max(1, width() - left - margin);
    int top = margin + lineHeight + barGap / 2;
    for (std::size_t out = 0; out < outputCount; ++out, top += barHeight + barGap) {
        const QRect captionBox(margin, top, left - 2 * margin, barHeight);
        painter.setPen(palette().text().color());
        painter.drawText(captionBox, Qt::AlignRight | Qt::AlignVCenter, m_captions[out]);
        if (!m_evaluation)
            continue;
        const GumResult &gum = m_evaluation->outputs[out].gum;
        const QRect bar(left, top, barWidth, barHeight);
        if (gum.error || gum.u == 0) {
            painter.drawText(bar, Qt::AlignLeft | Qt::AlignVCenter,
                             gum.error ? calculationErrorText(*gum.error)
                                       : QStringLiteral("u = 0: kein Budget"));
            continue;
        }
        double start = 0;
        for (std::size_t in = 0; in < inputValueFields.size(); ++in) {
            const double share = gum.budget[in];
            if (share <= 0)
                continue;
            const int x1 = left + static_cast<int>(std::lround(start * barWidth));
            start += share;
            const int x2 = left + static_cast<int>(std::lround(std::min(start, 1.0) * barWidth));
            const QRect part(x1, top, std::max(1, x2 - x1), barHeight);
            painter.fillRect(part, inputColours[in]);
            const QString percent = decimalText(100 * share, 0, m_separator) + QStringLiteral(" %");
            if (metrics.horizontalAdvance(percent) + 4 <= part.width()) {
                painter.setPen(textColourOn(inputColours[in]));
                painter.drawText(part, Qt::AlignCenter, percent);
            }
        }
    }

    // The legend: every input in its colour, named as in the input table, in as many lines as
    // the width needs.
    int x = left;
    for (std::size_t in = 0; in < inputValueFields.size(); ++in) {
        const QString name = QString::fromLatin1(inputValueFields[in].name);
        const int itemWidth = legendSwatch + 3 + metrics.horizontalAdvance(name) + 12;
        if (x > left && x + itemWidth > width() - margin) {
            x = left;
            top += lineHeight;
        }
        painter.fillRect(
            QRect(x, top + (lineHeight - legendSwatch) / 2, legendSwatch, legendSwatch),
            inputColours[in]);
        painter.setPen(palette().text().color());
        painter.drawText(QRect(x + legendSwatch + 3, top, itemWidth, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
        x += itemWidth;
    }
}

} // namespace quelbor
