#include "exportcommand.h"

#include "enteredbody.h"
#include "exportuncertainty.h"
#include "quelborwindow.h"
#include "resultexport.h"
#include "safefile.h"
#include "seriesexport.h"
#include "windowreport.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLineEdit>

#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <variant>

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
const QCommandLineOption layoutOption(
    QStringLiteral("layout"),
    QStringLiteral("report (the lab report on an A4 page; default for PDF) or window (the "
                   "window as it shows itself; default for SVG, always for PNG)."),
    QStringLiteral("LAYOUT"));
const QCommandLineOption labOption(QStringLiteral("lab"),
                                   QStringLiteral("The lab on the report (default: as last "
                                                  "entered in the window)."),
                                   QStringLiteral("TEXT"));
const QCommandLineOption operatorOption(QStringLiteral("operator"),
                                        QStringLiteral("The operator on the report (default: "
                                                       "as last entered in the window)."),
                                        QStringLiteral("TEXT"));
const QCommandLineOption remarkOption(QStringLiteral("remark"),
                                      QStringLiteral("A remark on the report."),
                                      QStringLiteral("TEXT"));
const QCommandLineOption batchOption(
    QStringLiteral("batch"),
    QStringLiteral("One PDF report per row of the table (as quelbor-calc --batch reads it) into "
                   "the folder --export names."),
    QStringLiteral("TABLE"));
const QCommandLineOption forceOption(QStringLiteral("force"),
                                     QStringLiteral("With --batch: replace reports of the same "
                                                    "name."));

enum class Layout { Report, Window };

struct ExportRequest
{
    QString path;
    int scale = 1;
    Layout layout = Layout::Report;
    std::optional<ExportUncertainty> uncertainty;
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
    const bool series = parser.isSet(batchOption);
    if (series) {
        for (const InputOption &input : inputOptions) {
            if (parser.isSet(QString::fromLatin1(input.name)))
                return QStringLiteral("--%1: with --batch the inputs come from the table")
                    .arg(QString::fromLatin1(input.name));
        }
    } else if (parser.isSet(forceOption)) {
        return QStringLiteral("--force works only with --batch");
    }
    const auto format = series ? ExportFormat::Pdf : exportFormatOf(request.path);
    if (!format)
        return QStringLiteral("%1: the file must end in .pdf, .svg or .png").arg(request.path);
    const QString layout = parser.value(layoutOption);
    if (layout.isEmpty())
        request.layout = format == ExportFormat::Pdf ? Layout::Report : Layout::Window;
    else if (layout == u"report" && format != ExportFormat::Png)
        request.layout = Layout::Report;
    else if (layout == u"window")
        request.layout = Layout::Window;
    else
        return QStringLiteral("--layout takes report (PDF, SVG) or window");
    auto uncertainty = readUncertaintyOptions(parser);
    if (const auto *error = std::get_if<QString>(&uncertainty))
        return *error;
    if (auto *stated = std::get_if<ExportUncertainty>(&uncertainty)) {
        if (request.layout != Layout::Report)
            return QStringLiteral("the measurement uncertainty goes only into the report");
        request.uncertainty = *stated;
    }
    bool number = false;
    request.scale = parser.value(scaleOption).toInt(&number);
    if (!number || request.scale < 1 || request.scale > largestScale)
        return QStringLiteral("--scale takes a whole number from 1 to %1").arg(largestScale);
    return std::nullopt;
}

// Calculates on a fresh window, as "Rechne !" does, with the given texts in its boxes, and
// writes its result to the path in the request's layout. Returns the calculation's error
// text, empty when the file was written; throws FileError when it cannot be written.
QString calculateAndWrite(const ExportRequest &request,
                          const std::map<std::string, std::string> &boxes, const QString &path,
                          const std::string &remark)
{
    // Without a frame the window is laid out as on a display without a window manager, the
    // same at every scale (the offscreen platform's own frame is two device pixels wide, so
    // in window pixels it would shrink with the scale).
    QuelborWindow window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    QString calculationError;
    window.setErrorReporter(
        [&calculationError](const QString &message) { calculationError = message; });
    for (const auto &[box, text] : boxes)
        window.findChild<QLineEdit *>(QString::fromStdString(box))
            ->setText(QString::fromStdString(text));
    window.show();
    window.onRechne();
    if (!calculationError.isEmpty())
        return calculationError;
    if (request.layout == Layout::Window) {
        exportWindow(window, path);
        return {};
    }
    ReportFields fields = startingReportFields(window);
    const QCommandLineParser &parser = request.parser;
    if (parser.isSet(labOption))
        fields.lab = parser.value(labOption);
    if (parser.isSet(operatorOption))
        fields.operatorName = parser.value(operatorOption);
    fields.remark = QString::fromStdString(remark);
    std::optional<UncertaintyEvaluation> uncertainty;
    if (request.uncertainty)
        uncertainty =
            evaluateUncertainty(enteredValues(enteredBody(window).texts),
                                request.uncertainty->stated, request.uncertainty->settings);
    exportReport(
        window,
        windowReport(window, fields, window.calculatedAt(), uncertainty ? &*uncertainty : nullptr),
        path);
    return {};
}

} // namespace

void addExportOptions(QCommandLineParser &parser)
{
    for (const QCommandLineOption &option :
         {exportOption, scaleOption, layoutOption, labOption, operatorOption, remarkOption,
          batchOption, forceOption})
        parser.addOption(option);
    for (const InputOption &input : inputOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(input.name),
                                            QString::fromLatin1(input.description),
                                            QStringLiteral("TEXT")));
    addUncertaintyOptions(parser);
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

    const QCommandLineParser &parser = request.parser;
    if (parser.isSet(batchOption))
        return exportSeries({parser.value(batchOption), request.path, parser.isSet(forceOption)},
                            [&request](const SeriesRow &row, const QString &path) {
                                std::map<std::string, std::string> boxes = row.boxes;
                                boxes["txt_Massebezeichnung"] = row.body;
                                return calculateAndWrite(request, boxes, path, row.remark);
                            });
    std::map<std::string, std::string> boxes;
    for (const InputOption &input : inputOptions) {
        const QString option = QString::fromLatin1(input.name);
        if (parser.isSet(option))
            boxes[input.box] = parser.value(option).toStdString();
    }
    try {
        const QString calculationError = calculateAndWrite(
            request, boxes, request.path, parser.value(remarkOption).toStdString());
        if (!calculationError.isEmpty())
            return failWith(exitCalculationFailed, calculationError);
    } catch (const FileError &failure) {
        return failWith(
            exitCannotWrite,
            QStringLiteral("cannot write %1: %2")
                .arg(request.path, QString::fromLocal8Bit(std::strerror(failure.error()))));
    }
    return exitWritten;
}

} // namespace quelbor
