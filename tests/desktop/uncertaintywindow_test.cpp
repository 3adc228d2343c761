// The window "Messunsicherheit" as a user works it: opened by its key after "Rechne !", the
// uncertainties typed into its table, "Berechnen" pressed. Its figures are compared with those
// quelbor-calc prints for the same inputs, trials and seed (the tool's figures have their own
// closed-form tests), read back from the texts the window shows.

#include "enteredbody.h"
#include "labreport.h"
#include "uncertaintywindow.h"
#include "windowreport.h"
#include "windowundertest.h"

#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <memory>
#include <span>

using namespace quelbor;
using namespace quelbor::test;

namespace {

// An input's uncertainty as typed into the window (decimal comma) and given to the tool.
struct Stated
{
    const char *input;
    const char *amount;
    const char *distribution; // as the window names it
    const char *toolDistribution;
};

const Stated typicalLab[] = {
    {"rhoSE", "20", "normal", "normal"},        {"Xanf", "0,005", "normal", "normal"},
    {"ksiSE", "0,2", "normal", "normal"},       {"kappaMess", "3 %", "normal", "normal"},
    {"thetaMess", "0,5", "rechteckig", "rect"},
};

const Stated nearTheCubeRoot[] = {{"Xanf", "0,01", "dreieckig", "tri"}};

const char *const outputs[] = {"psianf", "XSE", "psiSE", "psi25", "kappa2525", "kappaGrenz"};

enum ResultColumn { estimate, gumU, gumExpanded, mcMean, mcU, mcInterval, agreement };

std::unique_ptr<QuelborWindow> calculated(QStringList &reports, const QString &xanf)
{
    auto window = shownWindow(reports);
    controlOf<QLineEdit>(*window, "txt_Xanf").setText(xanf);
    controlOf<QPushButton>(*window, "cmd_Rechne").click();
    return window;
}

QWidget *uncertaintyWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto visible = std::find_if(windows.begin(), windows.end(), [](const QWidget *widget) {
        return widget->objectName() == "frm_Messunsicherheit" && widget->isVisible();
    });
    return visible == windows.end() ? nullptr : *visible;
}

// Ctrl+M on the focused text box of the active main window, as a user presses it.
QWidget *openByKey(QuelborWindow &window)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qFatal("the main window cannot be made active");
    QLineEdit &density = controlOf<QLineEdit>(window, "txt_rhoSE");
    density.setFocus();
    QTest::keyClick(&density, Qt::Key_M, Qt::ControlModifier);
    return uncertaintyWindow();
}

void state(QWidget &window, std::span<const Stated> stated)
{
    auto &table = controlOf<QTableWidget>(window, "tbl_Eingaben");
    for (const Stated &s : stated) {
        for (int row = 0; row < table.rowCount(); ++row) {
            if (table.verticalHeaderItem(row)->text() != s.input)
                continue;
            table.item(row, 2)->setText(QString(s.amount).replace(',', expectedSeparator()));
            static_cast<QComboBox *>(table.cellWidget(row, 3))->setCurrentText(s.distribution);
        }
    }
}

bool calculate(const QWidget &window, int trials)
{
    controlOf<QSpinBox>(window, "spn_Versuche").setValue(trials);
    auto &start = controlOf<QPushButton>(window, "cmd_Berechnen");
    start.click();
    return QTest::qWaitFor([&start] { return start.isEnabled(); }, 120000);
}

QJsonObject toolUncertainty(const QString &xanf, std::span<const Stated> stated, int trials)
{
    QStringList arguments{"--Xanf=" + xanf, "--trials", QString::number(trials), "--seed", "17025"};
    for (const Stated &s : stated) {
        arguments << QStringLiteral("--u-%1=%2").arg(s.input, QString(s.amount).remove(' '))
                  << QStringLiteral("--dist-%1=%2").arg(s.input, s.toolDistribution);
    }
    QProcess tool;
    tool.start(QStringLiteral(QUELBOR_CALC), arguments);
    if (!tool.waitForFinished(120000))
        qFatal("quelbor-calc did not finish");
    return QJsonDocument::fromJson(tool.readAllStandardOutput())
        .object()
        .value("uncertainty")
        .toObject();
}

// A figure as shown, with the half unit of its last digit: "0,0090" is 0.009 ± 0.00005.
struct Shown
{
    double value;
    double halfUnit;
};

Shown shown(QString text)
{
    text = text.trimmed().replace(expectedSeparator(), ".");
    const qsizetype point = text.indexOf('.');
    const qsizetype decimals = point < 0 ? 0 : text.size() - point - 1;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        qFatal("no figure: %s", qPrintable(text));
    return {value, 0.5 * std::pow(10.0, -double(decimals)) * (1 + 1e-9)};
}

bool matches(const QString &text, double expected)
{
    const Shown s = shown(text);
    if (std::fabs(s.value - expected) <= s.halfUnit)
        return true;
    qWarning("shown %s, expected %.17g", qPrintable(text), expected);
    return false;
}

} // namespace

class UncertaintyWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void opensOnlyAfterACalculation();
    void showsTheFiguresOfTheCommandLineTool();
    void countsTheTrialsThatFailed();
    void reportTakesTheFiguresOfTheInputsShown();
    void cancellingLeavesTheWindowUsable();
    void windowsStayResponsiveDuringARun();
};

void UncertaintyWindowTest::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        widget->close();
}

void UncertaintyWindowTest::opensOnlyAfterACalculation()
{
    QStringList reports;
    auto window = shownWindow(reports);
    QVERIFY(!openByKey(*window));
    controlOf<QPushButton>(*window, "cmd_Rechne").click();
    QWidget *opened = openByKey(*window);
    QVERIFY(opened);
    // The key went to the window's offer, not to the text box.
    QCOMPARE(controlOf<QLineEdit>(*window, "txt_rhoSE").text(), "1850");
    QCOMPARE(opened->windowTitle(), "Messunsicherheit");
    auto &inputs = controlOf<QTableWidget>(*opened, "tbl_Eingaben");
    QCOMPARE(inputs.item(1, 0)->text(), "Anfangswasserbeladung in kg/kg atro");
    QCOMPARE(inputs.item(1, 1)->text(), "0,25");
    QVERIFY(!(inputs.item(1, 1)->flags() & Qt::ItemIsEditable));
    auto &results = controlOf<QTableWidget>(*opened, "tbl_Ergebnisse");
    QCOMPARE(results.verticalHeaderItem(4)->text(),
             "Feuchteleitkoeffizient (25,25) in 10^(-9) m²/s");
    QVERIFY(reports.isEmpty());
}

void UncertaintyWindowTest::showsTheFiguresOfTheCommandLineTool()
{
    constexpr int trials = 20000;
    QStringList reports;
    auto window = calculated(reports, "0,25");
    QWidget *opened = openByKey(*window);
    QVERIFY(opened);
    state(*opened, typicalLab);
    QVERIFY(calculate(*opened, trials));
    const QJsonObject tool = toolUncertainty("0,25", typicalLab, trials);
    QCOMPARE(tool.value("trials").toInt(), trials);

    auto &table = controlOf<QTableWidget>(*opened, "tbl_Ergebnisse");
    const QString notes = controlOf<QLabel>(*opened, "lbl_Hinweis").text();
    int disagreeing = 0;
    for (int row = 0; row < 6; ++row) {
        const QJsonObject result = tool.value("results").toObject().value(outputs[row]).toObject();
        const QJsonObject gum = result.value("gum").toObject();
        const QJsonObject mc = result.value("monteCarlo").toObject();
        const auto cell = [&](int column) { return table.item(row, column)->text(); };
        QVERIFY(matches(cell(estimate), gum.value("estimate").toDouble()));
        QVERIFY(matches(cell(gumU), gum.value("u").toDouble()));
        QVERIFY(matches(cell(gumExpanded), gum.value("U").toDouble()));
        QVERIFY(matches(cell(mcMean), mc.value("mean").toDouble()));
        QVERIFY(matches(cell(mcU), mc.value("u").toDouble()));
        const QStringList ends = cell(mcInterval).mid(1).chopped(1).split("; ");
        QCOMPARE(ends.size(), 2);
        QVERIFY(matches(ends[0], mc.value("interval95").toArray()[0].toDouble()));
        QVERIFY(matches(ends[1], mc.value("interval95").toArray()[1].toDouble()));
        const bool agree = result.value("agree").toBool();
        QCOMPARE(cell(agreement), agree ? "stimmt überein" : "weicht ab");
        QCOMPARE(notes.contains(table.verticalHeaderItem(row)->text() + ": "), !agree);
        disagreeing += agree ? 0 : 1;
    }
    QCOMPARE(notes.count("nicht zu trauen"), disagreeing);
    QCOMPARE(controlOf<QLabel>(*opened, "lbl_Fehlversuche").text(),
             QStringLiteral("Fehlgeschlagene Versuche: 0 von %1").arg(trials));
    QVERIFY(reports.isEmpty());
}

// Xanf = 0,83 ± 0,01 lies next to a fault of the model: the trials beyond it fail, and the
// window says how many and by which error, as the tool counts them.
void UncertaintyWindowTest::countsTheTrialsThatFailed()
{
    constexpr int trials = 20000;
    QStringList reports;
    auto window = calculated(reports, "0,83");
    QWidget *opened = openByKey(*window);
    QVERIFY(opened);
    state(*opened, nearTheCubeRoot);
    QVERIFY(calculate(*opened, trials));
    const QJsonObject failed =
        toolUncertainty("0,83", nearTheCubeRoot, trials).value("failedTrials").toObject();
    const int count = failed.value("count").toInt();
    QVERIFY(count > 1000);
    const QJsonObject errors = failed.value("errors").toObject();
    QCOMPARE(errors.size(), 1);
    const QString number = errors.keys().first();
    QCOMPARE(controlOf<QLabel>(*opened, "lbl_Fehlversuche").text(),
             QStringLiteral("Fehlgeschlagene Versuche: %1 von %2 (Laufzeitfehler %3: %4: %1)")
                 .arg(count)
                 .arg(trials)
                 .arg(number, errors.value(number).toObject().value("text").toString()));
    QVERIFY(reports.isEmpty());
}

// The report holds the window's figures while the main window shows the inputs they were
// calculated for, and none once another body is calculated.
void UncertaintyWindowTest::reportTakesTheFiguresOfTheInputsShown()
{
    QStringList reports;
    auto window = calculated(reports, "0,25");
    auto *opened = qobject_cast<UncertaintyWindow *>(openByKey(*window));
    QVERIFY(opened);
    QVERIFY(!opened->shownEvaluation(enteredBody(*window).texts));
    state(*opened, typicalLab);
    QVERIFY(calculate(*opened, 1000));
    const UncertaintyEvaluation *shown = opened->shownEvaluation(enteredBody(*window).texts);
    QVERIFY(shown);
    QCOMPARE(shown->monteCarlo->trials, 1000);
    const ReportPage page =
        windowReport(*window, startingReportFields(*window), window->calculatedAt(), shown);
    QVERIFY(std::ranges::any_of(page.texts,
                                [](const PageText &t) { return t.text == "Messunsicherheit"; }));

    controlOf<QPushButton>(*window, "cmd_Nochmal").click();
    controlOf<QLineEdit>(*window, "txt_Xanf").setText("0,3");
    controlOf<QPushButton>(*window, "cmd_Rechne").click();
    QVERIFY(!opened->shownEvaluation(enteredBody(*window).texts));
    QVERIFY(reports.isEmpty());
}

void UncertaintyWindowTest::cancellingLeavesTheWindowUsable()
{
    QStringList reports;
    auto window = calculated(reports, "0,25");
    QWidget *opened = openByKey(*window);
    QVERIFY(opened);
    state(*opened, typicalLab);
    controlOf<QSpinBox>(*opened, "spn_Versuche").setValue(10000000);
    auto &start = controlOf<QPushButton>(*opened, "cmd_Berechnen");
    auto &stop = controlOf<QPushButton>(*opened, "cmd_Abbrechen");
    auto &progress = controlOf<QProgressBar>(*opened, "bar_Fortschritt");
    start.click();
    QVERIFY(!start.isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(progress.value() > 0, 30000);
    stop.click();
    QTRY_VERIFY_WITH_TIMEOUT(start.isEnabled(), 10000);
    QVERIFY(progress.value() < progress.maximum());
    QVERIFY(controlOf<QLabel>(*opened, "lbl_Status").text().contains("abgebrochen"));
    QCOMPARE(controlOf<QTableWidget>(*opened, "tbl_Ergebnisse").item(0, gumU)->text(), "–");

    QVERIFY(calculate(*opened, 1000));
    QVERIFY(controlOf<QLabel>(*opened, "lbl_Status").text().startsWith("Fertig"));
    QVERIFY(controlOf<QTableWidget>(*opened, "tbl_Ergebnisse").item(0, gumU)->text() != "–");
}

// The trials run beside the windows: a timer of the window's thread keeps firing while they go,
// and the main window answers its buttons.
void UncertaintyWindowTest::windowsStayResponsiveDuringARun()
{
    QStringList reports;
    auto window = calculated(reports, "0,25");
    QWidget *opened = openByKey(*window);
    QVERIFY(opened);
    state(*opened, typicalLab);
    auto &stop = controlOf<QPushButton>(*opened, "cmd_Abbrechen");
    int ticksWhileRunning = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] {
        if (stop.isEnabled() && ++ticksWhileRunning == 3)
            controlOf<QPushButton>(*window, "cmd_Nochmal").click();
    });
    ticker.start(10);
    QVERIFY(calculate(*opened, 1000000));
    QVERIFY2(ticksWhileRunning >= 5, qPrintable(QString::number(ticksWhileRunning)));
    QVERIFY(controlOf<QPushButton>(*window, "cmd_Rechne").isVisible());
    QVERIFY(controlOf<QLabel>(*opened, "lbl_Status").text().startsWith("Fertig"));
}

QTEST_MAIN(UncertaintyWindowTest)
#include "uncertaintywindow_test.moc"
