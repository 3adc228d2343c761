#pragma once

#include "quelborwindow.h"

#include <QStringList>

#include <clocale>
#include <memory>

namespace quelbor::test {

// The decimal separator that results show under the regional settings the test was started
// with (QUELBOR_EXPECTED_SEPARATOR); a comma when it was started without.
inline QString expectedSeparator()
{
    const QString separator = qEnvironmentVariable("QUELBOR_EXPECTED_SEPARATOR");
    return separator.isEmpty() ? QStringLiteral(",") : separator;
}

// Texts written with a decimal comma, as they show under the test's regional settings.
inline QStringList regional(QStringList texts)
{
    for (QString &text : texts)
        text.replace(QLatin1Char(','), expectedSeparator());
    return texts;
}

// A test started under named regional settings must really run under them, as a user's
// program does: the application has adopted them from the environment, and the C library's
// number formatting follows them too. A missing locale ends the test program with a message.
inline void requireRegionalSettings()
{
    if (qEnvironmentVariableIsEmpty("QUELBOR_EXPECTED_SEPARATOR"))
        return;
    if (QString::fromLatin1(std::localeconv()->decimal_point) != expectedSeparator())
        qFatal("the locale %s is not available to this process (LOCPATH=%s): build the target "
               "quelbor_test_locales, or install the locale",
               qPrintable(qEnvironmentVariable("LC_ALL")),
               qPrintable(qEnvironmentVariable("LOCPATH")));
}

// The main window as the tests drive it: shown on the offscreen platform, every error report
// collected into `reports` instead of a dialog waiting for a click.
inline std::unique_ptr<QuelborWindow> shownWindow(QStringList &reports)
{
    requireRegionalSettings();
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
