#pragma once

#include "curveband.h"

#include <QWidget>

#include <optional>

namespace quelbor {

// The diffusivity at 25 °C against the volumetric water content, on the decade scale of the
// main window's chart (psi 0 … 0.6, 1e-10 … 1e-6 m²/s), at the entered values and with its
// 95 % band from the Monte Carlo trials.
class CurveBandChart : public QWidget
{
    Q_OBJECT

public:
    explicit CurveBandChart(QWidget *parent = nullptr);

    void setBand(const CurveBand &band, const QString &separator);
    void clear();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect plotArea() const;
    QPointF pointAt(const QRect &area, double psi, double kappa) const;
    void drawAxes(QPainter &painter, const QRect &area) const;
    void drawLegend(QPainter &painter, const QRect &area) const;

    std::optional<CurveBand> m_band;
    QString m_separator = QStringLiteral(",");
};

} // namespace quelbor
