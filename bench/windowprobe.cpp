#include "windowprobe.h"

#include "quelborwindow.h"
#include "surfacewidget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace quelbor {

namespace {

SurfaceWidget &surface(QuelborWindow &window, const char *name)
{
    auto *found = window.findChild<SurfaceWidget *>(QString::fromLatin1(name));
    if (!found)
        throw std::logic_error(std::string("no surface ") + name);
    return *found;
}

int inkedPixels(const SurfaceWidget &surface)
{
    const QImage image = surface.contents().convertToFormat(QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    const int width = image.width();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        count += static_cast<int>(std::count_if(line, line + width, [white](QRgb pixel) {
            return (pixel & RGB_MASK) != (white & RGB_MASK);
        }));
    }
    return count;
}

} // namespace

WindowProbe::WindowProbe(QuelborWindow &window)
    : m_window(window)
    , m_kappa(surface(window, "pic_kappa"))
    , m_schwindung(surface(window, "pic_Schwindung"))
{
    m_window.installEventFilter(this);
    m_kappa.installEventFilter(this);
    m_schwindung.installEventFilter(this);
    m_window.setErrorReporter([this](const QString &message) { m_errors.append(message); });
}

bool WindowProbe::showAndWaitForPaint(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    const Paints before = paints();
    m_window.show();
    for (Paints now = before; now.window == before.window; now = paints()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

int WindowProbe::kappaInk() const
{
    return inkedPixels(m_kappa);
}

int WindowProbe::schwindungInk() const
{
    return inkedPixels(m_schwindung);
}

bool WindowProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        if (watched == &m_window)
            ++m_paints.window;
        else if (watched == &m_kappa)
            ++m_paints.kappa;
        else if (watched == &m_schwindung)
            ++m_paints.schwindung;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quelbor
