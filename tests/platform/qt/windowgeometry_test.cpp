#include "outersize.h"
#include "twipsgeometry.h"

#include <QTest>
#include <QWidget>

using namespace quelbor;

class WindowGeometryTest : public QObject
{
    Q_OBJECT

private slots:
    void placesInTwips_data();
    void placesInTwips();
    void movesKeepingExactTwips_data();
    void movesKeepingExactTwips();
    void assumesStandardFrameWhenNoneReported();
    void setsOuterSizeOfShownWindow();
};

void WindowGeometryTest::placesInTwips_data()
{
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QRect>("pixels");

    QTest::newRow("input box") << QRect(4560, 1305, 975, 250) << QRect(304, 87, 65, 17);
    QTest::newRow("small caption") << QRect(270, 3240, 3645, 195) << QRect(18, 216, 243, 13);
    QTest::newRow("diffusivity chart") << QRect(7110, 1155, 6825, 6765) << QRect(474, 77, 455, 451);
    QTest::newRow("half pixels round up") << QRect(7, 22, 8, 37) << QRect(0, 1, 1, 2);
}

void WindowGeometryTest::placesInTwips()
{
    QFETCH(QRect, twips);
    QFETCH(QRect, pixels);

    QWidget parent;
    auto *child = new QWidget(&parent);
    setTwipsGeometry(*child, twips.left(), twips.top(), twips.width(), twips.height());
    QCOMPARE(child->geometry(), pixels);
    QCOMPARE(leftTwips(*child), double(twips.left()));
    QCOMPARE(topTwips(*child), double(twips.top()));
    QCOMPARE(widthTwips(*child), double(twips.width()));
    QCOMPARE(heightTwips(*child), double(twips.height()));
}

void WindowGeometryTest::movesKeepingExactTwips_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<int>("x");

    QTest::newRow("fraction") << 9080.517f << 605;
    QTest::newRow("whole pixel") << 6990.0f << 466;
    QTest::newRow("half a pixel up") << 7.5f << 1;
    QTest::newRow("half a pixel down") << -7.5f << -1;
    QTest::newRow("left of the window") << -200.25f << -13;
}

void WindowGeometryTest::movesKeepingExactTwips()
{
    QFETCH(float, left);
    QFETCH(int, x);

    QWidget parent;
    auto *label = new QWidget(&parent);
    setTwipsGeometry(*label, 8010, 885, 315, 255);
    setLeftTwips(*label, left);
    QCOMPARE(leftTwips(*label), double(left));
    QCOMPARE(label->geometry(), QRect(x, 59, 21, 17));
    QCOMPARE(topTwips(*label), 885.0);
}

void WindowGeometryTest::assumesStandardFrameWhenNoneReported()
{
    // A window that is not shown has no frame from the window system yet.
    QWidget window;
    window.resize(392, 239);
    QCOMPARE(windowFrame(window), QSize(9, 31));

    setOuterWidthTwips(window, 14355);
    QCOMPARE(window.size(), QSize(948, 239));
    setOuterHeightTwips(window, 10290);
    QCOMPARE(window.size(), QSize(948, 655));
    QCOMPARE(outerSizeTwips(window), QSize(14355, 10290));
}

void WindowGeometryTest::setsOuterSizeOfShownWindow()
{
    // The offscreen platform reports a frame of two pixels on every side.
    QWidget window;
    window.setGeometry(44, 70, 392, 239);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(windowFrame(window), QSize(4, 4));

    setOuterWidthTwips(window, 6015);
    setOuterHeightTwips(window, 4050);
    QCOMPARE(window.frameGeometry().size(), QSize(401, 270));
    QCOMPARE(window.size(), QSize(397, 266));
    QCOMPARE(outerSizeTwips(window), QSize(6015, 4050));
}

QTEST_MAIN(WindowGeometryTest)
#include "windowgeometry_test.moc"
