#include "guardedsurface.h"
#include "recordingsurface.h"
#include "twipsgeometry.h"
#include "windowloadinglabels.h"

#include <QLabel>
#include <QTest>

#include <cfenv>
#include <stdexcept>

using namespace quelbor;

namespace {

// A surface whose drawing raises floating-point flags, as a toolkit's painting may.
class FlagRaisingSurface : public RecordingSurface
{
public:
    FlagRaisingSurface()
        : RecordingSurface({6000, 4000})
    {}

    void drawLine(float x1, float y1, float x2, float y2, Rgb colour) override
    {
        std::feraiseexcept(FE_OVERFLOW | FE_INVALID);
        RecordingSurface::drawLine(x1, y1, x2, y2, colour);
    }
    void fillBox(float x1, float y1, float x2, float y2, Rgb colour) override
    {
        std::feraiseexcept(FE_DIVBYZERO);
        RecordingSurface::fillBox(x1, y1, x2, y2, colour);
    }
};

constexpr int testedFlags = FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO;

} // namespace

class WindowAdaptersTest : public QObject
{
    Q_OBJECT

private slots:
    void surfaceKeepsCalculationFlags_data();
    void surfaceKeepsCalculationFlags();
    void labelsMoveByExactTwips_data();
    void labelsMoveByExactTwips();
    void labelsShowByIndex();
    void labelIndexOutsideOneToEightThrows();
};

void WindowAdaptersTest::surfaceKeepsCalculationFlags_data()
{
    QTest::addColumn<int>("flagsBefore");

    QTest::newRow("none set") << 0;
    QTest::newRow("overflow set") << int(FE_OVERFLOW);
    QTest::newRow("division set") << int(FE_DIVBYZERO);
}

void WindowAdaptersTest::surfaceKeepsCalculationFlags()
{
    QFETCH(int, flagsBefore);

    FlagRaisingSurface toolkit;
    GuardedSurface surface(toolkit);
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(flagsBefore);

    surface.setDrawWidth(3);
    surface.drawLine(1, 2, 3, 4, colours::red);
    surface.fillBox(0, 0, 6000, 4000, colours::white);
    const int flagsAfter = std::fetestexcept(testedFlags);
    std::feclearexcept(FE_ALL_EXCEPT);

    QCOMPARE(flagsAfter, flagsBefore);
    QCOMPARE(toolkit.operations().size(), std::size_t(3));
    QCOMPARE(toolkit.lines().front().width, 3);
    QCOMPARE(surface.drawWidth(), 3);
}

void WindowAdaptersTest::labelsMoveByExactTwips_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("left");
    QTest::addColumn<int>("x");

    QTest::newRow("first") << 1 << 9080.517f << 605;
    QTest::newRow("third, a quarter twip") << 3 << 7000.25f << 467;
    QTest::newRow("eighth, never reached") << 8 << 6990.0f << 466;
}

void WindowAdaptersTest::labelsMoveByExactTwips()
{
    QFETCH(int, index);
    QFETCH(float, left);
    QFETCH(int, x);

    QWidget window;
    for (int i = 1; i <= 8; ++i) {
        auto *label = new QLabel(&window);
        label->setObjectName(QStringLiteral("lbl_n%1").arg(i));
        setTwipsGeometry(*label, 8000 + 400 * i, 885, 315, 255);
    }
    WindowLoadingLabels labels(window);
    labels.setLabelLeft(index, left);

    auto *moved = window.findChild<QLabel *>(QStringLiteral("lbl_n%1").arg(index));
    QCOMPARE(leftTwips(*moved), double(left));
    QCOMPARE(moved->geometry(), QRect(x, 59, 21, 17));
}

void WindowAdaptersTest::labelsShowByIndex()
{
    QWidget window;
    for (int i = 1; i <= 8; ++i) {
        auto *label = new QLabel(&window);
        label->setObjectName(QStringLiteral("lbl_n%1").arg(i));
        label->hide();
    }
    WindowLoadingLabels labels(window);
    labels.showLabel(4);
    labels.showLabel(6);

    for (int i = 1; i <= 8; ++i) {
        const auto *label = window.findChild<QLabel *>(QStringLiteral("lbl_n%1").arg(i));
        QCOMPARE(label->isHidden(), i != 4 && i != 6);
    }
}

void WindowAdaptersTest::labelIndexOutsideOneToEightThrows()
{
    QWidget window;
    for (int i = 1; i <= 8; ++i)
        (new QLabel(&window))->setObjectName(QStringLiteral("lbl_n%1").arg(i));
    WindowLoadingLabels labels(window);

    QVERIFY_THROWS_EXCEPTION(std::out_of_range, labels.setLabelLeft(0, 7000));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, labels.showLabel(9));

    QWidget withoutLabels;
    QVERIFY_THROWS_EXCEPTION(std::logic_error, WindowLoadingLabels{withoutLabels});
}

QTEST_MAIN(WindowAdaptersTest)
#include "windowadapters_test.moc"
