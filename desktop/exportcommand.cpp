#include "exportcommand.h"

#include "quelborwindow.h"
#include "resultexport.h"
#include "safefile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLineEdit>

#include <cstdio>
#include <cstring>
#include <optional>

namespace quelbor {

namespace {

constexpr int exitWritten = 0;
constexpr int exitCalculationFailed = 1;
constexpr int exitBadUsage = 2;
constexpr int exitCannotWrite = 2;
constexpr int largestScale = 4;

// The options that fill an input box of the window, named as quelbor-calc names them.
struct InputOption
{
    const char *name;
    const char *box;
    const char *description;
};

constexpr InputOption inputOptions[] = {
    {"name", "txt_Massebezeichnung", "name of the body"},
    {"rhoSE", "txt_rhoSE", "density of the dried body in kg/m3"},
    {"Xanf", "txt_Xanf", "initial water loading in kg/kg"},
    {"Xmess", "txt_Xmess", "water loading of the diffusivity measurement"},
    {"ksiSE", "txt_ksiSE", "linear drying shrinkage in %"},
    {"kappaMess", "txt_kappaMess", "measured diffusivity in 1e-9 m2/s"},
    {"thetaMess", "txt_thetaMess", "temperature of the measurement in degC"},
    {"KappaSteig", "txt_KappaSteig", "slope of log10 kappa below the limit moisture"},
};

const QCommandLineOption
    exportOption(QStringLiteral("export"),
                 QStringLiteral("Write the result to FILE (.pdf, .svg, .png)."),
                 QStringLiteral("FILE"));
const QCommandLineOption scaleOption(QStringLiteral("scale"),
                                     QStringLiteral("PNG at N times the window's pixels (1-4)."),
                                     QStringLiteral("N"), QStringLiteral("1"));

struct ExportRequest
{
    QString path;
    int scale = 1;
    QCommandLineParser parser;
};

QStringList argumentList(int argc, char **argv)
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

int failWith(int status, const QString &message)
{
    std::fprintf(stderr, "quelbor: %s\n", qPrintable(message));
    return status;
}

// Reads the arguments into the request; an error text on bad usage.
std::optional<QString> parse(const QStringList &arguments, ExportRequest &request)
{
    QCommandLineParser &parser = request.parser;
    addExportOptions(parser);
    if (!parser.parse(arguments))
        return parser.errorText();
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first());
    const QStringList given = parser.optionNames();
    for (const QString &name : given) {
        if (given.count(name) > 1)
            return QStringLiteral("--%1 given more than once").arg(name);
    }
    request.path = parser.value(exportOption);
    if (!exportFormatOf(request.path))
        return QStringLiteral("%1: the file must end in .pdf, .svg or .png").arg(request.path);
    bool number = false;
    request.scale = parser.value(scaleOption).toInt(&number);
    if (!number || request.scale < 1 || request.scale > largestScale)
        return QStringLiteral("--scale takes a whole number from 1 to %1").arg(largestScale);
    return std::nullopt;
}

} // namespace

void addExportOptions(QCommandLineParser &parser)
{
    parser.addOption(exportOption);
    parser.addOption(scaleOption);
    for (const InputOption &input : inputOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(input.name),
                                            QString::fromLatin1(input.description),
                                            QStringLiteral("TEXT")));
}

bool asksForExport(int argc, char **argv)
{
    for (int index = 1; index < argc; ++index) {
        if (std::strcmp(argv[index], "--export") == 0 ||
            std::strncmp(argv[index], "--export=", std::strlen("--export=")) == 0)
            return true;
    }
    return false;
}

int runExportCommand(int &argc, char **argv)
{
    ExportRequest request;
    if (const auto error = parse(argumentList(argc, argv), request))
        return failWith(exitBadUsage, *error);

    // No display is needed: the window lives on the offscreen platform, which is there
    // wherever Qt is, and a larger scale renders it as a high-DPI screen would.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(request.scale));
    QApplication application(argc, argv);

    // Without a frame the window is laid out as on a display without a window manager, the
    // same at every scale (the offscreen platform's own frame is two device pixels wide, so
    // in window pixels it would shrink with the scale).
    QuelborWindow window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    QString calculationError;
    window.setErrorReporter(
        [&calculationError](const QString &message) { calculationError = message; });
    for (const InputOption &input : inputOptions) {
        const QString option = QString::fromLatin1(input.name);
        if (request.parser.isSet(option))
            window.findChild<QLineEdit *>(QString::fromLatin1(input.box))
                ->setText(request.parser.value(option));
    }
    window.show();
    window.onRechne();
    if (!calculationError.isEmpty())
        return failWith(exitCalculationFailed, calculationError);
    try {
        exportWindow(window, request.path);
    } catch (const FileError &failure) {
        return failWith(
            exitCannotWrite,
            QStringLiteral("cannot write %1: %2")
                .arg(request.path, QString::fromLocal8Bit(std::strerror(failure.error()))));
    }
    return exitWritten;
}

} // namespace quelbor
