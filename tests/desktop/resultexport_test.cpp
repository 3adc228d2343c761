#include "quelborwindow.h"
#include "resultexport.h"
#include "uncertaintyfigures.h"
#include "windowreport.h"
#include "windowundertest.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace quelbor;
using namespace quelbor::test;

namespace {

const QStringList defaultResults{"0,382", "0,136", "0,251", "0,382", "74,2", "32,0"};

// The window as `quelbor --export` lays it out: without a frame, shown, after "Rechne !"
// with the given texts in their boxes.
std::unique_ptr<QuelborWindow> calculatedWindow(QStringList &reports,
                                                const QMap<QString, QString> &texts = {})
{
    requireRegionalSettings();
    auto window = std::make_unique<QuelborWindow>();
    window->setWindowFlag(Qt::FramelessWindowHint);
    window->setErrorReporter([&reports](const QString &message) { reports.append(message); });
    for (auto text = texts.begin(); text != texts.end(); ++text)
        controlOf<QLineEdit>(*window, text.key()).setText(text.value());
    window->show();
    window->onRechne();
    return window;
}

struct Run
{
    int status;
    QString errors;
};

// A file size limit (RLIMIT_FSIZE) stands for a disk that fills up: a write beyond it fails
// with EFBIG once the limit's bytes are written.
Run runQuelbor(const QStringList &arguments, int fileSizeLimit = 0)
{
    QProcess process;
    if (fileSizeLimit > 0)
        process.setChildProcessModifier([fileSizeLimit] {
            const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_IGN);
        });
    process.start(QStringLiteral(QUELBOR_BINARY), arguments);
    if (!process.waitForFinished(60000))
        qFatal("quelbor %s did not finish", qPrintable(arguments.join(u' ')));
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

// A device where every write fails as on a full disk. Root could replace /dev/full itself if
// an export ever took a device for a file, so for root it is a node of its own in the folder;
// anyone else may not make one, nor replace /dev/full.
QString fullDevice(const QString &folder)
{
    const QString own = folder + QStringLiteral("/device-full");
    if (::mknod(QFile::encodeName(own).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0)
        return own;
    return QStringLiteral("/dev/full");
}

// The folder the failures write into: a good old file of each format, and a link of each
// format to a full device.
void fillFolder(const QString &path)
{
    const QString device = fullDevice(path);
    for (const char *suffix : {"pdf", "svg", "png"}) {
        QFile old(QStringLiteral("%1/old.%2").arg(path, suffix));
        old.open(QIODevice::WriteOnly);
        old.write(QByteArray("the good old ") + suffix);
        QFile::link(device, QStringLiteral("%1/full.%2").arg(path, suffix));
    }
}

// What a folder holds, hidden files included: each name with its link's target, its bytes or
// its kind of node.
QMap<QString, QByteArray> folderContents(const QString &path)
{
    QMap<QString, QByteArray> contents;
    for (const QFileInfo &entry : QDir(path).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                           QDir::System | QDir::NoDotAndDotDot)) {
        QFile file(entry.filePath());
        contents[entry.fileName()] = entry.isSymLink() ? "link to " + entry.symLinkTarget().toUtf8()
                                     : !entry.isFile() ? "not a regular file"
                                     : file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                      : "unreadable";
    }
    return contents;
}

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString outputOf(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What a vector file holds: its texts, one a line, the number of stroked lines of each
// colour (#rrggbb), and the number of bitmaps in it.
struct Drawing
{
    QString text; // for a PDF laid out as on the page, line by line
    QMap<QString, int> strokes;
    int bitmaps = 0;
};

// In an SVG each line takes the stroke of its group.
Drawing svgDrawing(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader svg(&file);
    QStringList groupStrokes{QStringLiteral("none")};
    Drawing drawing;
    while (!svg.atEnd()) {
        svg.readNext();
        if (svg.isStartElement() && svg.name() == u"g")
            groupStrokes.append(svg.attributes().hasAttribute(QStringLiteral("stroke"))
                                    ? svg.attributes().value(QStringLiteral("stroke")).toString()
                                    : groupStrokes.last());
        else if (svg.isEndElement() && svg.name() == u"g")
            groupStrokes.removeLast();
        else if (svg.isStartElement() && (svg.name() == u"polyline" || svg.name() == u"path"))
            ++drawing.strokes[groupStrokes.last()];
        else if (svg.isStartElement() && svg.name() == u"text")
            drawing.text += svg.readElementText() + u'\n';
        else if (svg.isStartElement() && svg.name() == u"image")
            ++drawing.bitmaps;
    }
    return drawing;
}

// A PDF's texts as poppler reads them, its strokes from the content streams: colour
// "r g b SCN", path, "S".
Drawing pdfDrawing(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray pdf = file.readAll();
    // pdfimages lists each bitmap on a line of its own, below two lines of header.
    const int listed =
        int(outputOf(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).count(u'\n'));
    Drawing drawing{
        outputOf(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}), {}, listed - 2};
    static const QRegularExpression streamStart(
        QStringLiteral("/FlateDecode\\s*>>\\s*stream\\r?\\n"));
    static const QRegularExpression token(QStringLiteral("(\\S+) (\\S+) (\\S+) SCN|\\bS\\b"));
    QString colour;
    for (const auto &start : streamStart.globalMatch(QString::fromLatin1(pdf))) {
        const qsizetype begin = start.capturedEnd();
        const QByteArray compressed = pdf.mid(begin, pdf.indexOf("endstream", begin) - begin);
        QByteArray sized(4, '\0');
        qToBigEndian<quint32>(quint32(compressed.size() * 64), sized.data());
        const QString content = QString::fromLatin1(qUncompress(sized + compressed));
        for (const auto &match : token.globalMatch(content)) {
            if (match.captured(0) == u"S") {
                ++drawing.strokes[colour];
                continue;
            }
            colour = u'#';
            for (int component = 1; component <= 3; ++component)
                colour += QStringLiteral("%1").arg(
                    qRound(match.captured(component).toDouble() * 255), 2, 16, QLatin1Char('0'));
        }
    }
    return drawing;
}

// Whether the report's texts follow each other in the text as on the page, read line by line
// and each line from left to right. The time of the calculation may be any.
bool inReadingOrder(const QString &text, const ReportPage &page)
{
    static const QRegularExpression digit(QStringLiteral("\\d"));
    qsizetype at = 0;
    for (const PageText &item : page.texts) {
        QString wanted = QRegularExpression::escape(QString::fromStdString(item.text).simplified());
        if (wanted.contains(u"berechnet am"))
            wanted.replace(digit, QStringLiteral("\\d"));
        const QRegularExpressionMatch found = QRegularExpression(wanted).match(text, at);
        if (!found.hasMatch()) {
            qWarning("not found in reading order: %s", qPrintable(wanted));
            return false;
        }
        at = found.capturedEnd();
    }
    return true;
}

} // namespace

class ResultExportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exportedPngEqualsWindow();
    void vectorExportsHoldTextsAndLines_data();
    void vectorExportsHoldTextsAndLines();
    void reportIsArchivable();
    void reportHoldsTheMeasurementUncertainty();
    void seriesReports_data();
    void seriesReports();
    void commandLineFailuresLeaveFolderAlone_data();
    void commandLineFailuresLeaveFolderAlone();
    void failedSaveNamesFileAndCause_data();
    void failedSaveNamesFileAndCause();
    void copiesInputsAndResults();

private:
    QTemporaryDir m_directory;
};

// The lab and operator kept for reports live in a settings folder of the test's own.
void ResultExportTest::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_directory.filePath(QStringLiteral("config"))));
}

void ResultExportTest::exportedPngEqualsWindow()
{
    const QString single = m_directory.filePath(QStringLiteral("single.png"));
    const QString twice = m_directory.filePath(QStringLiteral("twice.png"));
    QCOMPARE(runQuelbor({"--export", single, "--rhoSE=1900", "--Xanf=0,3"}).status, 0);
    QCOMPARE(runQuelbor({"--export=" + twice, "--scale", "2", "--rhoSE=1900", "--Xanf=0,3"}).status,
             0);

    QStringList reports;
    const auto window = calculatedWindow(reports, {{"txt_rhoSE", "1900"}, {"txt_Xanf", "0,3"}});
    QVERIFY(reports.isEmpty());
    const QImage exported(single);
    QCOMPARE(exported, window->grab().toImage().convertToFormat(exported.format()));
    QCOMPARE(QImage(twice).size(), exported.size() * 2);
}

void ResultExportTest::vectorExportsHoldTextsAndLines_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("layout");
    QTest::newRow("pdf, window") << "window.pdf"
                                 << "window";
    QTest::newRow("svg, window") << "window.svg"
                                 << "window";
    QTest::newRow("printed, window") << "printed-window.pdf"
                                     << "window";
    QTest::newRow("pdf, report") << "report.pdf"
                                 << "report";
    QTest::newRow("svg, report") << "report.svg"
                                 << "report";
    QTest::newRow("printed, report") << "printed-report.pdf"
                                     << "report";
}

// The six result texts and every caption stay text, the charts' red limit and reference
// marks, green measurement mark and blue water-loading lines are stroked lines, and the file
// holds no bitmap: the window shows none but its charts and pictures, whose sources are lines
// and texts. The window's layout holds every caption the window shows; the report's holds its
// own texts in reading order, its heading's time as the window's clock gives it, and the
// captions of both charts.
void ResultExportTest::vectorExportsHoldTextsAndLines()
{
    QFETCH(QString, file);
    QFETCH(QString, layout);
    const QString path = m_directory.filePath(file);
    QStringList reports;
    const auto window = calculatedWindow(reports);
    const ReportPage page =
        windowReport(*window, startingReportFields(*window), window->calculatedAt());
    if (file.startsWith(u"printed")) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QVERIFY(layout == u"window" ? printWindow(*window, printer)
                                    : printReport(*window, page, printer));
    } else {
        QCOMPARE(runQuelbor({"--export", path, "--layout", layout}).status, 0);
    }

    const Drawing drawing = file.endsWith(u".pdf") ? pdfDrawing(path) : svgDrawing(path);
    for (const char *colour : {"#e10000", "#00e100", "#0000ff"})
        QVERIFY2(drawing.strokes.value(QString::fromLatin1(colour)) >= 1, colour);
    QCOMPARE(drawing.bitmaps, 0);
    const QString text = drawing.text.simplified();
    QStringList expected = regional(defaultResults);
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->isVisible() && !label->text().isEmpty() &&
            (layout == u"window" || std::ranges::any_of(page.charts, [label](const auto &chart) {
                 return std::ranges::find(chart.controls, label->objectName().toStdString()) !=
                        chart.controls.end();
             })))
            expected.append(label->text().simplified());
    }
    for (const QString &shown : expected)
        QVERIFY2(text.contains(shown), qPrintable(shown));
    if (layout == u"report")
        QVERIFY2(inReadingOrder(text, page), qPrintable(text));
}

// The report from the command line: the fields it is given, on an A4 page in landscape, as
// PDF/A-1b with every font embedded.
void ResultExportTest::reportIsArchivable()
{
    const QString path = m_directory.filePath(QStringLiteral("archived.pdf"));
    const QStringList fields{"Ziegelei XYZ, Labor 2", "M. Muster", "Ton A + 10 % Sand",
                             "Charge 7; nachgemessen"};
    QCOMPARE(runQuelbor({"--export", path, "--lab", fields[0], "--operator", fields[1], "--name",
                         fields[2], "--remark", fields[3]})
                 .status,
             0);
    const QString text = outputOf(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    for (const QString &field : fields)
        QVERIFY2(text.contains(field), qPrintable(field));
    const QString info = outputOf(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), path}) +
                         outputOf(QStringLiteral("pdfinfo"), {path});
    static const QRegularExpression landscapeA4(
        QStringLiteral("Page size:\\s+84[12](\\.\\d+)? x 595(\\.\\d+)? pts \\(A4\\)"));
    QVERIFY2(info.contains(landscapeA4), qPrintable(info));
    static const QRegularExpression pdfA(
        QStringLiteral(
            "pdfaid:part(>|=\"|='|\\s*=\\s*\")1.*pdfaid:conformance(>|=\"|='|\\s*=\\s*\")B"),
        QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(info.contains(pdfA), qPrintable(info));
    // pdffonts: two lines of header, then one font a line with its columns emb, sub, uni.
    const QStringList fonts =
        outputOf(QStringLiteral("pdffonts"), {path}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    static const QRegularExpression embedded(
        QStringLiteral("\\syes\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+$"));
    for (const QString &font : fonts)
        QVERIFY2(font.contains(embedded), qPrintable(font));
}

// The uncertainty quelbor-calc finds for the same inputs, options and seed is in the report,
// written as the uncertainty window writes it, and the report stays one page of text.
void ResultExportTest::reportHoldsTheMeasurementUncertainty()
{
    const QString path = m_directory.filePath(QStringLiteral("uncertainty.pdf"));
    const QStringList options{"--u-rhoSE=20",
                              "--u-ksiSE=3%",
                              "--u-thetaMess=0,5",
                              "--u-Xanf=0,005",
                              "--dist-thetaMess=rect",
                              "--trials",
                              "20000",
                              "--seed",
                              "4711"};
    QCOMPARE(runQuelbor(QStringList{"--export", path} + options).status, 0);
    QProcess tool;
    tool.start(QStringLiteral(QUELBOR_CALC), options);
    QVERIFY(tool.waitForFinished(120000));
    const QJsonObject results = QJsonDocument::fromJson(tool.readAllStandardOutput())
                                    .object()
                                    .value("uncertainty")
                                    .toObject()
                                    .value("results")
                                    .toObject();
    QCOMPARE(results.size(), 6);

    const Drawing drawing = pdfDrawing(path);
    QCOMPARE(drawing.bitmaps, 0);
    const QString text = drawing.text.simplified();
    const QString separator = expectedSeparator();
    QStringList expected{"Messunsicherheit", "Monte Carlo: 20000 Versuche, Startwert 4711",
                         "u(rhoSE) = 20 kg/m³ (normal)",
                         "u(thetaMess) = " + regional({"0,5"}).first() + " °C (rechteckig)"};
    for (const QString &output : results.keys()) {
        const QJsonObject gum = results.value(output).toObject().value("gum").toObject();
        const QJsonArray interval = results.value(output)
                                        .toObject()
                                        .value("monteCarlo")
                                        .toObject()
                                        .value("interval95")
                                        .toArray();
        const int decimals = twoDigitDecimals(gum.value("u").toDouble(), 0) + 1;
        expected << twoDigitText(gum.value("u").toDouble(), separator)
                 << twoDigitText(gum.value("U").toDouble(), separator)
                 << intervalText({interval[0].toDouble(), interval[1].toDouble()}, decimals,
                                 separator);
    }
    for (const QString &figure : expected)
        QVERIFY2(text.contains(figure), qPrintable(figure + " not in " + text));
    QVERIFY(!text.contains("Fehlgeschlagene Versuche"));
    const QString info = outputOf(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
}

void ResultExportTest::seriesReports_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("old");   // files in the folder before, holding "old"
    QTest::addColumn<QStringList>("files"); // the folder's files after, in order of name
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("report"); // a new report and a text it must hold
    QTest::addColumn<QString>("text");
    const QString header =
        QStringLiteral("Probe;rhoSE;Xanf;Xmess;ksiSE;kappaMess;thetaMess;KappaSteig;Bemerkung\n");
    const QString tonA = QStringLiteral("Ton A;1850;0,25;0,185;6,2;45;20,5;7;\n");
    const QString tonB = QStringLiteral("Ton B;1905;0,22;0,17;5,1;52;21;7;Charge 7\n");
    QTest::newRow("every row") << header + tonA + tonB << QStringList() << QStringList()
                               << QStringList{"Ton A.pdf", "Ton B.pdf"} << 0 << QString()
                               << "Ton B.pdf"
                               << "Charge 7";
    QTest::newRow("names made safe and unique, a failed row")
        << header + tonA + tonA + "../Ton C;1850;0,25;0,185;6,2;45;20,5;7;\n" +
               "Ton D;1850;0,25;0,185;100;45;20,5;7;\n"
        << QStringList() << QStringList() << QStringList{"-Ton C.pdf", "Ton A (2).pdf", "Ton A.pdf"}
        << 1 << "quelbor: line 5 (Ton D): Laufzeitfehler 11"
        << "-Ton C.pdf"
        << "../Ton C";
    QTest::newRow("old report kept")
        << header + tonA + tonB << QStringList() << QStringList{"Ton A.pdf"}
        << QStringList{"Ton A.pdf", "Ton B.pdf"} << 1 << "Ton A.pdf exists; --force replaces it"
        << "Ton B.pdf"
        << "Ton B";
    QTest::newRow("old report replaced")
        << header + tonA << QStringList{"--force"} << QStringList{"Ton A.pdf"}
        << QStringList{"Ton A.pdf"} << 0 << QString() << "Ton A.pdf"
        << "Ton A";
    QTest::newRow("no input column") << "Probe;Dichte\nTon A;1850\n"
                                     << QStringList() << QStringList() << QStringList() << 2
                                     << "none of the input columns" << QString() << QString();
}

// One report per row of the table, named after the body; the rows that fail are listed and
// get no file, and an old file stays unless --force is given.
void ResultExportTest::seriesReports()
{
    QFETCH(QString, table);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, old);
    QFETCH(QStringList, files);
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(QString, report);
    QFETCH(QString, text);
    const QTemporaryDir tables;
    const QString tablePath = tables.filePath(QStringLiteral("proben.csv"));
    QFile tableFile(tablePath);
    QVERIFY(tableFile.open(QIODevice::WriteOnly));
    tableFile.write(table.toUtf8());
    tableFile.close();
    const QTemporaryDir folder;
    for (const QString &name : old) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old");
    }

    const Run run =
        runQuelbor(QStringList{"--export", folder.path(), "--batch", tablePath} + arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
    const QMap<QString, QByteArray> contents = folderContents(folder.path());
    QCOMPARE(contents.keys(), files);
    for (const QString &name : files) {
        const bool kept = old.contains(name) && !arguments.contains(u"--force");
        QVERIFY2(kept ? contents[name] == "old" : contents[name].startsWith("%PDF"),
                 qPrintable(name));
    }
    if (!report.isEmpty())
        QVERIFY(
            outputOf(QStringLiteral("pdftotext"), {folder.filePath(report), QStringLiteral("-")})
                .contains(text));
}

void ResultExportTest::commandLineFailuresLeaveFolderAlone_data()
{
    QTest::addColumn<QString>("target"); // in a folder filled by fillFolder
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("fileSizeLimit");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // FILE stands for the target's path
    QTest::newRow("empty density")
        << "failed.pdf" << QStringList{"--rhoSE="} << 0 << 1 << "Laufzeitfehler";
    QTest::newRow("unknown option")
        << "failed.pdf" << QStringList{"--density=1"} << 0 << 2 << "density";
    QTest::newRow("repeated option")
        << "failed.pdf" << QStringList{"--Xanf=1", "--Xanf=2"} << 0 << 2 << "Xanf";
    QTest::newRow("scale 5") << "failed.pdf" << QStringList{"--scale=5"} << 0 << 2 << "--scale";
    QTest::newRow("uncertainty no number")
        << "failed.pdf" << QStringList{"--u-rhoSE=zwanzig"} << 0 << 2 << "--u-rhoSE";
    QTest::newRow("uncertainty on the window")
        << "failed.pdf" << QStringList{"--layout=window", "--u-Xanf=0,01"} << 0 << 2
        << "only into the report";
    const QString cannotWrite = QStringLiteral("quelbor: cannot write FILE: ");
    for (const char *suffix : {"pdf", "svg", "png"}) {
        QTest::addRow("device full, %s", suffix)
            << QStringLiteral("full.%1").arg(suffix) << QStringList() << 0 << 2
            << cannotWrite + systemText(ENOSPC);
        QTest::addRow("disk fills up, %s over an old one", suffix)
            << QStringLiteral("old.%1").arg(suffix) << QStringList() << 4096 << 2
            << cannotWrite + systemText(EFBIG);
    }
    QTest::newRow("missing folder")
        << "missing/old.svg" << QStringList() << 0 << 2 << cannotWrite + systemText(ENOENT);
    QTest::newRow("file for a folder")
        << "old.pdf/new.pdf" << QStringList() << 0 << 2 << cannotWrite + systemText(ENOTDIR);
}

// A failed export writes nothing: no new file, no temporary one, an old file keeps its bytes
// and a link to a device stays a link.
void ResultExportTest::commandLineFailuresLeaveFolderAlone()
{
    QFETCH(QString, target);
    QFETCH(QStringList, arguments);
    QFETCH(int, fileSizeLimit);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QTemporaryDir directory;
    fillFolder(directory.path());
    const QMap<QString, QByteArray> before = folderContents(directory.path());
    const QString path = directory.filePath(target);
    const Run run = runQuelbor(QStringList{"--export", path} + arguments, fileSizeLimit);
    QCOMPARE(run.status, status);
    QVERIFY2(run.errors.contains(message.replace(QStringLiteral("FILE"), path)),
             qPrintable(run.errors));
    QCOMPARE(folderContents(directory.path()), before);
}

void ResultExportTest::failedSaveNamesFileAndCause_data()
{
    QTest::addColumn<QString>("target"); // in a folder filled by fillFolder
    QTest::addColumn<QString>("cause");
    QTest::newRow("device full") << "full.pdf"
                                 << "Auf dem Gerät ist kein Speicherplatz mehr verfügbar";
    QTest::newRow("missing folder") << "missing/old.svg"
                                    << "Datei oder Verzeichnis nicht gefunden";
}

// Saved through the dialog onto a file that cannot be written, the window names the file and
// the cause in German, whatever language the system's own error texts are in.
void ResultExportTest::failedSaveNamesFileAndCause()
{
    QFETCH(QString, target);
    QFETCH(QString, cause);
    const QTemporaryDir directory;
    fillFolder(directory.path());
    const QMap<QString, QByteArray> before = folderContents(directory.path());
    const QString path = directory.filePath(target);
    // The system's texts in English, so that only the window's own can give German ones.
    const QByteArray language = qgetenv("LANGUAGE");
    qputenv("LANGUAGE", "en");
    const auto restoreLanguage = qScopeGuard([&language] { qputenv("LANGUAGE", language); });
    QStringList reports;
    const auto window = calculatedWindow(reports);
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    QString shown;
    QTimer answerer;
    int attempts = 0;
    connect(&answerer, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            dialog->setOption(QFileDialog::DontConfirmOverwrite);
            auto &name = controlOf<QLineEdit>(*dialog, QStringLiteral("fileNameEdit"));
            name.setText(path);
            QTest::keyClick(&name, Qt::Key_Return);
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            shown = box->text();
            box->accept();
        } else if (auto *fields = qobject_cast<QDialog *>(modal);
                   fields && fields->windowTitle() == u"Angaben zum Bericht") {
            fields->accept();
        }
        if (!shown.isEmpty() || ++attempts > 250)
            answerer.stop();
    });
    answerer.start(20);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);

    QCOMPARE(shown, path + " kann nicht geschrieben werden: " + cause);
    QCOMPARE(folderContents(directory.path()), before);
}

// The inputs' decimal points come with the results' separator, whichever the user typed: a
// spreadsheet under the regional settings reads no other. The name stays as typed.
void ResultExportTest::copiesInputsAndResults()
{
    QStringList reports;
    const auto window = calculatedWindow(
        reports, {{"txt_Massebezeichnung", "Masse Nr. 1, rot"}, {"txt_Xanf", "0.25"}});
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QClipboard &clipboard = *QGuiApplication::clipboard();
    const auto copy = [&] {
        clipboard.setText(QStringLiteral("before"));
        QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        return clipboard.text();
    };

    QCOMPARE(copy(), "Bezeichnung\tDichte der getrockneten Masse in kg/m³\t"
                     "Anfangswasserbeladung in kg/kg atro\tLineare Trockenschwindung in %\t"
                     "Feuchteleitkoeffizient in 10^(-9) m²/s\tbei Messtemperatur in °C\t"
                     "und Wasserbeladung in kg/kg atro\t"
                     "Kappa-Steigung unter Grenzfeuchte ( 6...10 )\t"
                     "Vol. Anfangswassergehalt in m³/m³\tGrenzwasserbeladung in kg/kg atro\t"
                     "Vol. Grenzwassergehalt in m³/m³\t"
                     "Vol. Wassergeh. für 0,25 kg/kg atro in m³/m³\t"
                     "Feuchteleitkoeffizient (25,25) in 10^(-9) m²/s\t"
                     "Grenz-Feuchteleitkoeffizient in 10^(-9) m²/s\n"
                     "Masse Nr. 1, rot\t" +
                         regional({"1850", "0,25", "6,2", "45", "20,5", "0,185", "7"}).join(u'\t') +
                         u'\t' + regional(defaultResults).join(u'\t') + u'\n');

    // Nothing is offered in the input state, nor after a calculation that failed: the result
    // boxes would still hold the texts of the one before.
    window->onNochmal();
    QCOMPARE(copy(), "before");
    controlOf<QLineEdit>(*window, "txt_rhoSE").setText(QString());
    window->onRechne();
    QCOMPARE(reports.size(), 1);
    QCOMPARE(copy(), "before");
}

QTEST_MAIN(ResultExportTest)
#include "resultexport_test.moc"
