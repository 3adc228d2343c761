#include "lineclipping.h"

#include <QTest>

#include <limits>

using quelbor::clipLine;

class LineClippingTest : public QObject
{
    Q_OBJECT

private slots:
    void clipsToBounds_data();
    void clipsToBounds();
};

void LineClippingTest::clipsToBounds_data()
{
    QTest::addColumn<QLineF>("line");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QLineF>("expected");

    constexpr double huge = 3.0e38;
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("inside stays") << QLineF(10, 20, 90, 40) << true << QLineF(10, 20, 90, 40);
    QTest::newRow("crosses left edge") << QLineF(-50, 10, 50, 10) << true << QLineF(0, 10, 50, 10);
    QTest::newRow("crosses both sides")
        << QLineF(-100, 25, 200, 25) << true << QLineF(0, 25, 100, 25);
    QTest::newRow("diagonal through corner region")
        << QLineF(-10, -10, 60, 60) << true << QLineF(0, 0, 50, 50);
    QTest::newRow("runs past the bottom")
        << QLineF(30, 10, 30, 500) << true << QLineF(30, 10, 30, 50);
    QTest::newRow("nearly vertical past the bottom")
        << QLineF(30, 10, 30.05, 60) << true << QLineF(30, 10, 30.04, 50);
    QTest::newRow("reversed direction")
        << QLineF(150, 20, 50, 20) << true << QLineF(100, 20, 50, 20);
    QTest::newRow("huge coordinates") << QLineF(-huge, 5, huge, 5) << true << QLineF(0, 5, 100, 5);
    QTest::newRow("right of bounds") << QLineF(120, 0, 130, 50) << false << QLineF();
    QTest::newRow("vertical left of bounds") << QLineF(-1, 0, -1, 50) << false << QLineF();
    QTest::newRow("misses the corner") << QLineF(90, -20, 120, 10) << false << QLineF();
    QTest::newRow("not a number") << QLineF(nan, 5, 50, 5) << false << QLineF();
    QTest::newRow("infinite") << QLineF(0, 5, inf, 5) << false << QLineF();
}

void LineClippingTest::clipsToBounds()
{
    QFETCH(QLineF, line);
    QFETCH(bool, visible);
    QFETCH(QLineF, expected);

    const auto clipped = clipLine(line, QRectF(0, 0, 100, 50));
    QCOMPARE(clipped.has_value(), visible);
    if (visible) {
        QCOMPARE(clipped->p1(), expected.p1());
        QCOMPARE(clipped->p2(), expected.p2());
    }
}

QTEST_APPLESS_MAIN(LineClippingTest)
#include "lineclipping_test.moc"
