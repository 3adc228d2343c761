#include "quelborwindow.h"
#include "resultexport.h"
#include "windowundertest.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <QtEndian>

#include <memory>

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

Run runQuelbor(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUELBOR_BINARY), arguments);
    if (!process.waitForFinished(60000))
        qFatal("quelbor %s did not finish", qPrintable(arguments.join(u' ')));
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

QString outputOf(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What a vector file holds: its texts, one a line, and the number of stroked lines of each
// colour (#rrggbb).
struct Drawing
{
    QString text;
    QMap<QString, int> strokes;
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
    Drawing drawing{outputOf(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}), {}};
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

} // namespace

class ResultExportTest : public QObject
{
    Q_OBJECT

private slots:
    void exportedPngEqualsWindow();
    void vectorExportsHoldTextsAndLines_data();
    void vectorExportsHoldTextsAndLines();
    void commandLineFailuresLeaveNoFile_data();
    void commandLineFailuresLeaveNoFile();
    void copiesInputsAndResults();

private:
    QTemporaryDir m_directory;
};

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
    QTest::newRow("pdf") << "result.pdf";
    QTest::newRow("svg") << "result.svg";
    QTest::newRow("printed") << "printed.pdf";
}

// The six result texts stay text, and the charts' red limit and reference marks, green
// measurement mark and blue water-loading lines are stroked lines, not pixels of an image.
void ResultExportTest::vectorExportsHoldTextsAndLines()
{
    QFETCH(QString, file);
    const QString path = m_directory.filePath(file);
    if (file.startsWith(u"printed")) {
        QStringList reports;
        const auto window = calculatedWindow(reports);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QVERIFY(printWindow(*window, printer));
    } else {
        QCOMPARE(runQuelbor({"--export", path}).status, 0);
    }

    const Drawing drawing = file.endsWith(u".pdf") ? pdfDrawing(path) : svgDrawing(path);
    for (const QString &result : regional(defaultResults))
        QVERIFY2(drawing.text.contains(result), qPrintable(result));
    for (const char *colour : {"#e10000", "#00e100", "#0000ff"})
        QVERIFY2(drawing.strokes.value(QString::fromLatin1(colour)) >= 1, colour);
}

void ResultExportTest::commandLineFailuresLeaveNoFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty density") << QStringList{"--rhoSE="} << 1 << "Laufzeitfehler";
    QTest::newRow("unknown option") << QStringList{"--density=1"} << 2 << "density";
    QTest::newRow("repeated option") << QStringList{"--Xanf=1", "--Xanf=2"} << 2 << "Xanf";
    QTest::newRow("scale 5") << QStringList{"--scale=5"} << 2 << "--scale";
}

void ResultExportTest::commandLineFailuresLeaveNoFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("failed.pdf"));
    const Run run = runQuelbor(QStringList{"--export", path} + arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
    QVERIFY(!QFile::exists(path));
    QVERIFY(QDir(directory.path()).isEmpty());
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
