#pragma once

#include "quelborwindow.h"

#include <QStringList>

#include <memory>

namespace quelbor::test {

// The main window as the tests drive it: shown on the offscreen platform, every error report
// collected into `reports` instead of a dialog waiting for a click.
inline std::unique_ptr<QuelborWindow> shownWindow(QStringList &reports)
{
    auto window = std::make_unique<QuelborWindow>();
    window->setErrorReporter([&reports](const QString &message) { reports.append(message); });
    window->show();
    return window;
}

// A control of the window by its object name; a missing one ends the test program.
template <typename T = QWidget> T &controlOf(const QWidget &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return *found;
}

} // namespace quelbor::test
