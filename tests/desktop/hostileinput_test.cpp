// Hostile texts typed, set and pasted into every input box of the window, with "Rechne !" and
// "Nochmal !" pressed alternately: the program goes on, every calculation that stops is
// reported once as a numbered German error and every finished one not at all, "Nochmal !"
// always returns to white charts, and the defaults then give the default results again.
//
// Whether a calculation should finish, and with which error, is told by the same calculation
// run without the window, on recording surfaces, as the command-line tool runs it, with its own
// model record and water-loading table kept across the calculations as the window keeps them.

#include "calculationerror.h"
#include "inputtexts.h"
#include "quelborwindow.h"
#include "surfacewidget.h"
#include "twipsgeometry.h"
#include "windowcalculation.h"
#include "windowundertest.h"

#include <QApplication>
#include <QClipboard>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <random>

using namespace quelbor;

namespace {

struct Box
{
    const char *name;
    const char *defaultText;
    std::string InputTexts::*text; // nullptr: the calculation does not read the box
};

const Box boxes[] = {
    {"txt_rhoSE", "1850", &InputTexts::rhoSE},
    {"txt_Xanf", "0,25", &InputTexts::Xanf},
    {"txt_Xmess", "0,185", &InputTexts::Xmess},
    {"txt_ksiSE", "6,2", &InputTexts::ksiSE},
    {"txt_kappaMess", "45", &InputTexts::kappaMess},
    {"txt_thetaMess", "20,5", &InputTexts::thetaMess},
    {"txt_KappaSteig", "7", &InputTexts::KappaSteig},
    {"txt_Mue", "12", nullptr},
    {"txt_Massebezeichnung", "Testmasse ABC von Ziegelei XYZ", nullptr},
};

const char *const resultBoxes[] = {"txt_psianf", "txt_XSE",       "txt_psiSE",
                                   "txt_psi25",  "txt_kappa2525", "txt_kappaGrenz"};
const QStringList defaultResults{"0,382", "0,136", "0,251", "0,382", "74,2", "32,0"};

// The only reports a calculation may give.
const QStringList knownReports{
    QString::fromUtf8("Laufzeitfehler 5:\nUngültiger Prozeduraufruf oder ungültiges Argument"),
    QString::fromUtf8("Laufzeitfehler 6:\nÜberlauf"),
    QString::fromUtf8("Laufzeitfehler 9:\nIndex außerhalb des gültigen Bereichs"),
    QString::fromUtf8("Laufzeitfehler 11:\nDivision durch Null"),
    QString::fromUtf8("Laufzeitfehler 12:\nGleitkommafehler"),
};

// Written into the result boxes before each calculation, so a box the calculation did not
// reach is seen.
const QString notWritten = QStringLiteral("nicht geschrieben");

struct HostileText
{
    const char *name;
    QString text;
};

const QList<HostileText> &hostileTexts()
{
    static const QList<HostileText> texts{
        {"empty", QString()},
        {"letters", QString::fromUtf8("zwölf")},
        {"letters before digits", QStringLiteral("abc1850")},
        {"exponent only", QStringLiteral("e5")},
        {"beyond double", QStringLiteral("1e400")},
        {"beyond double negative", QStringLiteral("-1e400")},
        {"below double", QStringLiteral("1e-400")},
        {"beyond single", QStringLiteral("1e39")},
        {"beyond single negative", QStringLiteral("-1e39")},
        {"far negative", QStringLiteral("-4e37")},
        {"minus zero", QStringLiteral("-0")},
        {"100000 nines", QString(100000, '9')},
        {"100000 decimals", QStringLiteral("0,") + QString(99998, '3')},
        {"100000 leading zeros", QString(99996, '0') + QStringLiteral("1850")},
        {"control characters", QStringLiteral("\x01\x02\x7f")},
        {"carriage return inside", QStringLiteral("18\r50")},
        {"tabs", QStringLiteral("\t6\t,2")},
        {"escape inside", QStringLiteral("4\x1b"
                                         "5")},
        {"line feeds inside", QStringLiteral("18\n50\n")},
        {"line feeds only", QStringLiteral("\n\n\n")},
        {"CR LF after number", QStringLiteral("0,25\r\n")},
        {"not a number", QStringLiteral("NaN")},
        {"infinity", QStringLiteral("Infinity")},
        {"full-width digits", QString::fromUtf8("１８５０")},
        {"many commas", QStringLiteral("1,2,3,4")},
    };
    return texts;
}

// How a text gets into a box.
enum class Entry { SetText, Typing, Paste };

// The report the window gives for a calculation error.
QString reportOf(ErrorKind kind)
{
    return QStringLiteral("Laufzeitfehler %1:\n%2")
        .arg(errorNumber(kind))
        .arg(QString::fromStdString(errorText(kind)));
}

} // namespace

class HostileInputTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void eachTextInEachBox_data();
    void eachTextInEachBox();
    void labelFarLeftStaysLeftOfTheChart();
    void randomRounds();

private:
    template <typename T = QWidget> T &control(const char *name) const
    {
        return test::controlOf<T>(*m_window, QString::fromLatin1(name));
    }
    void enter(const char *box, const QString &text, Entry entry);
    void setDefaults();
    void calculate(bool byKeyboard);
    void reset();
    void checkDefaultsAgain();

    QLocale m_savedLocale;
    std::unique_ptr<QuelborWindow> m_window;
    std::unique_ptr<WindowCalculation> m_headless; // the same calculations without the window
    std::array<double, 8> m_expectedLeft{};        // lbl_n1 ... lbl_n8 as they should stand
    QStringList m_reports;
    int m_finished = 0;
    int m_failed = 0;
};

void HostileInputTest::initTestCase()
{
    m_savedLocale = QLocale();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void HostileInputTest::cleanupTestCase()
{
    QLocale::setDefault(m_savedLocale);
}

void HostileInputTest::init()
{
    m_reports.clear();
    m_finished = 0;
    m_failed = 0;
    m_window = test::shownWindow(m_reports);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    for (int k = 1; k <= 8; ++k)
        m_expectedLeft.at(static_cast<std::size_t>(k - 1)) =
            leftTwips(control(qPrintable(QStringLiteral("lbl_n%1").arg(k))));
    m_headless = std::make_unique<WindowCalculation>();
}

// A report no press accounted for is a failure, never a dialog waiting for a click.
void HostileInputTest::cleanup()
{
    m_window.reset();
    QVERIFY2(m_reports.isEmpty(), qPrintable("unexpected error report: " + m_reports.join(" | ")));
}

void HostileInputTest::enter(const char *box, const QString &text, Entry entry)
{
    auto &target = control<QLineEdit>(box);
    // Typing goes key by key, control characters as the keys that make them; long texts and
    // characters without a key go in whole.
    static const QHash<QChar, Qt::Key> controlKeys{{u'\t', Qt::Key_Tab},
                                                   {u'\n', Qt::Key_Return},
                                                   {u'\r', Qt::Key_Return},
                                                   {u'\x1b', Qt::Key_Escape},
                                                   {u'\x7f', Qt::Key_Delete}};
    const bool typeable = text.size() <= 64 && std::all_of(text.begin(), text.end(), [](QChar c) {
                              return (c >= u' ' && c <= u'~') || controlKeys.contains(c);
                          });
    if (entry == Entry::Typing && typeable) {
        target.selectAll();
        target.del();
        for (QChar c : text) {
            if (controlKeys.contains(c))
                QTest::keyClick(&target, controlKeys.value(c));
            else
                QTest::keyClick(&target, c.toLatin1());
        }
    } else if (entry == Entry::Paste) {
        QApplication::clipboard()->setText(text);
        target.selectAll();
        target.paste();
    } else {
        target.setText(text);
    }
}

void HostileInputTest::setDefaults()
{
    for (const Box &box : boxes)
        control<QLineEdit>(box.name).setText(QString::fromUtf8(box.defaultText));
}

// "Rechne !" with the texts the boxes hold, checked against the same calculation without the
// window.
void HostileInputTest::calculate(bool byKeyboard)
{
    InputTexts texts;
    for (const Box &box : boxes) {
        if (box.text)
            texts.*box.text = control<QLineEdit>(box.name).text().toStdString();
    }
    for (const char *name : resultBoxes)
        control<QLineEdit>(name).setText(notWritten);
    const CalculationRecord expected = m_headless->press(texts);
    for (const RecordingLabels::Call &move : expected.labels.moves())
        m_expectedLeft.at(static_cast<std::size_t>(move.index - 1)) = move.left;

    auto &button = control<QPushButton>("cmd_Rechne");
    QVERIFY(button.isVisible());
    if (byKeyboard) {
        button.setFocus();
        QTest::keyClick(&button, Qt::Key_Space);
    } else {
        QTest::mouseClick(&button, Qt::LeftButton);
    }

    const QStringList reports = std::exchange(m_reports, {});
    for (const QString &report : reports)
        QVERIFY2(knownReports.contains(report), qPrintable("report: " + report));
    if (expected.error) {
        QCOMPARE(reports, QStringList{reportOf(*expected.error)});
        ++m_failed;
    } else {
        QCOMPARE(reports, QStringList{});
        ++m_finished;
    }

    // Result state, whatever happened; the results written up to the end, the rest untouched.
    QVERIFY(!button.isVisible());
    QVERIFY(control("cmd_Nochmal").isVisible());
    static const QRegularExpression resultPattern(QStringLiteral("^-?[0-9]+,[0-9]{1,3}$"));
    for (int i = 0; i < 6; ++i) {
        const QString shown = control<QLineEdit>(resultBoxes[i]).text();
        const auto written = static_cast<std::size_t>(i);
        QCOMPARE(shown, written < expected.results.size()
                            ? QString::fromStdString(expected.results[written])
                            : notWritten);
        if (!expected.error)
            QVERIFY2(resultPattern.match(shown).hasMatch(), qPrintable(shown));
    }

    // Each label where the calculation put it. One left of the window's client area (from
    // -315 twips on, its own width) is not seen there; one nearer lies on its pixel.
    for (int k = 1; k <= 8; ++k) {
        const QWidget &label = control(qPrintable(QStringLiteral("lbl_n%1").arg(k)));
        const double left = leftTwips(label);
        QCOMPARE(left, m_expectedLeft.at(static_cast<std::size_t>(k - 1)));
        const QString where =
            QStringLiteral("lbl_n%1 at %2 pixels, %3 twips").arg(k).arg(label.x()).arg(left);
        if (left <= -315)
            QVERIFY2(label.x() + label.width() <= 0, qPrintable(where));
        else
            QVERIFY2(label.x() == std::lround(left / 15), qPrintable(where));
    }
}

void HostileInputTest::reset()
{
    auto &button = control<QPushButton>("cmd_Nochmal");
    QVERIFY(button.isVisible());
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(m_reports, QStringList{});
    QVERIFY(control("cmd_Rechne").isVisible());
    QVERIFY(!control("txt_kappaGrenz").isVisible());
    for (const char *name : {"pic_kappa", "pic_Schwindung"}) {
        QImage white(control<SurfaceWidget>(name).contents());
        white.fill(Qt::white);
        QVERIFY2(control<SurfaceWidget>(name).contents() == white, name);
    }
}

// The defaults give their results and charts again, as in a window that never saw anything
// else.
void HostileInputTest::checkDefaultsAgain()
{
    setDefaults();
    calculate(false);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(control<QLineEdit>(resultBoxes[i]).text(), defaultResults[i]);

    QuelborWindow fresh;
    fresh.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fresh));
    fresh.findChild<QPushButton *>("cmd_Rechne")->click();
    for (const char *name : {"pic_kappa", "pic_Schwindung"})
        QVERIFY2(control<SurfaceWidget>(name).contents() ==
                     fresh.findChild<SurfaceWidget *>(name)->contents(),
                 name);
    reset();
}

void HostileInputTest::eachTextInEachBox_data()
{
    QTest::addColumn<QString>("text");
    for (const HostileText &hostile : hostileTexts())
        QTest::newRow(hostile.name) << hostile.text;
}

void HostileInputTest::eachTextInEachBox()
{
    QFETCH(QString, text);

    const Entry entries[] = {Entry::SetText, Entry::Typing, Entry::Paste};
    int round = 0;
    for (const Box &box : boxes) {
        setDefaults();
        enter(box.name, text, entries[round % 3]);
        calculate(round % 2 == 1);
        if (!QTest::currentTestFailed())
            reset();
        if (QTest::currentTestFailed())
            QFAIL(box.name);
        ++round;
    }
    checkDefaultsAgain();
}

// A body of hugely negative density leaves water-loading entries far left of the chart; the
// next body, too dense to mark 0.1, places the always-visible "0,1" by that entry.
void HostileInputTest::labelFarLeftStaysLeftOfTheChart()
{
    setDefaults();
    enter("txt_rhoSE", QStringLiteral("-1e40"), Entry::Typing);
    enter("txt_Xanf", QStringLiteral("0,3"), Entry::Typing);
    enter("txt_Xmess", QStringLiteral("0,2"), Entry::Typing);
    enter("txt_ksiSE", QStringLiteral("0"), Entry::Typing);
    calculate(false);
    QCOMPARE(m_failed, 1);
    reset();

    setDefaults();
    enter("txt_rhoSE", QStringLiteral("7000"), Entry::Typing);
    calculate(false);
    QCOMPARE(m_finished, 1);
    QVERIFY(control("lbl_n1").isVisible());
    reset();
    checkDefaultsAgain();
}

void HostileInputTest::randomRounds()
{
    std::mt19937 random(20060529); // fixed: every run presses the same sequence
    const QList<HostileText> &texts = hostileTexts();
    for (int round = 0; round < 200; ++round) {
        for (const Box &box : boxes) {
            if (random() % 5 != 0) {
                control<QLineEdit>(box.name).setText(QString::fromUtf8(box.defaultText));
                continue;
            }
            const HostileText &hostile = texts[static_cast<int>(random() % texts.size())];
            enter(box.name, hostile.text, static_cast<Entry>(random() % 3));
        }
        calculate(round % 4 == 3);
        if (!QTest::currentTestFailed())
            reset();
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("in round %1").arg(round)));
    }
    // Both ends were seen often enough for the rounds to mean something.
    QVERIFY2(m_finished >= 20, qPrintable(QString::number(m_finished)));
    QVERIFY2(m_failed >= 20, qPrintable(QString::number(m_failed)));
    checkDefaultsAgain();
}

QTEST_MAIN(HostileInputTest)
#include "hostileinput_test.moc"
