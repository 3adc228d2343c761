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

    int windowPaints() const { return m_windowPaints; }
    int kappaPaints() const { return m_kappaPaints; }
    int schwindungPaints() const { return m_schwindungPaints; }
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
    int m_windowPaints = 0;
    int m_kappaPaints = 0;
    int m_schwindungPaints = 0;
    QStringList m_errors;
};

} // namespace quelbor
