#include "windowoptions.h"

#include "exportcommand.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <span>
#include <string_view>

namespace quelbor {

namespace {

constexpr int badUsage = 2;

constexpr std::string_view answeredWithoutWindow[] = {"-h",         "--help", "-?",
                                                      "--help-all", "-v",     "--version"};

[[noreturn]] void exitOnBadUsage(const QString &message)
{
    std::fprintf(stderr, "quelbor: %s\nTry 'quelbor --help'.\n", qPrintable(message));
    std::exit(badUsage);
}

} // namespace

bool asksForHelpOrVersion(int argc, char **argv)
{
    const std::span<char *const> arguments(argv, static_cast<std::size_t>(std::max(argc, 1)));
    return std::ranges::any_of(arguments.subspan(1), [](std::string_view argument) {
        return std::ranges::find(answeredWithoutWindow, argument) !=
               std::end(answeredWithoutWindow);
    });
}

std::unique_ptr<QCoreApplication> createApplication(int &argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("quelbor"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(projectVersion));
    if (asksForHelpOrVersion(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    return std::make_unique<QApplication>(argc, argv);
}

void readWindowOptions(const QCoreApplication &application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Calculator for the drying of ceramic bodies: opens its window, in German.\n"
                       "Each start opens a window of its own. With --export it writes the result\n"
                       "for the given inputs to a file instead, without a display."));
    parser.addHelpOption();
    parser.addVersionOption();
    addExportOptions(parser);
    if (!parser.parse(application.arguments()))
        exitOnBadUsage(parser.errorText());
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp();
    if (!parser.positionalArguments().isEmpty())
        exitOnBadUsage(QStringLiteral("unexpected argument '%1'")
                           .arg(parser.positionalArguments().constFirst()));
    // Without --export (which runs before the window is made) only the export's options are left.
    if (!parser.optionNames().isEmpty())
        exitOnBadUsage(QStringLiteral("--%1 works only with --export FILE")
                           .arg(parser.optionNames().constFirst()));
}

} // namespace quelbor
