#pragma once

#include <QObject>
#include <QStringList>

#include <chrono>

namespace quelbor {

class QuelborWindow;
class SurfaceWidget;

// Watches a window while it is timed: counts the paint events of the window and of its two
// chart surfaces and collects the errors the window reports instead of showing them. With it
// a timed run can be checked to have really calculated and put the charts on the screen.
class WindowProbe : public QObject
{
public:
    explicit WindowProbe(QuelborWindow &window);

    // Shows the window and handles events until it has been painted once. False when that
    // does not happen within the limit.
    bool showAndWaitForPaint(std::chrono::milliseconds limit);

    // Paint events so far of the window and of each chart surface.
    struct Paints
    {
        int window = 0;
        int kappa = 0;
        int schwindung = 0;
    };
    Paints paints() const { return m_paints; }
    // Pixels of the charts' drawn images that differ from the white background.
    int kappaInk() const;
    int schwindungInk() const;
    const QStringList &errors() const { return m_errors; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QuelborWindow &m_window;
    SurfaceWidget &m_kappa;
    SurfaceWidget &m_schwindung;
    Paints m_paints;
    QStringList m_errors;
};

} // namespace quelbor
