#include "surfacemapping.h"
#include "surfacewidget.h"

#include <QTest>

#include <cmath>
#include <limits>

using quelbor::LogicalExtent;
using quelbor::Rgb;
using quelbor::SurfaceMapping;
using quelbor::SurfaceWidget;

namespace {

constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};
constexpr Rgb red{225, 0, 0};
constexpr Rgb blue{0, 0, 255};

// A surface of 1000 x 500 logical units on an inner area of 100 x 50 pixels: ten units to a
// pixel, so the logical coordinate 505 is the centre of pixel 50.
constexpr LogicalExtent testExtent{1000, 500};
constexpr QSize testWidgetSize{102, 52};

QColor toQColor(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

// The colour of the inner pixel (x, y), whatever the device pixel ratio.
QColor innerPixel(const SurfaceWidget &surface, int x, int y)
{
    const QImage &image = surface.contents();
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(std::floor((x + 0.5) * ratio)),
                            static_cast<int>(std::floor((y + 0.5) * ratio)));
}

// The colour of the widget pixel (x, y) as a repaint shows it.
QColor shownPixel(SurfaceWidget &surface, int x, int y)
{
    const QPixmap shot = surface.grab();
    const qreal ratio = shot.devicePixelRatio();
    return shot.toImage().pixelColor(static_cast<int>(std::floor((x + 0.5) * ratio)),
                                     static_cast<int>(std::floor((y + 0.5) * ratio)));
}

int countInnerPixels(const SurfaceWidget &surface, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x)
            count += innerPixel(surface, x, y) == colour ? 1 : 0;
    return count;
}

} // namespace

class SurfaceWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mapsLogicalToPixels_data();
    void mapsLogicalToPixels();
    void startsBlankInsideOnePixelFrame();
    void keepsDeviceResolution();
    void drawsLinesInDrawWidth_data();
    void drawsLinesInDrawWidth();
    void clipsOutOfRangeLines_data();
    void clipsOutOfRangeLines();
    void keepsDrawingAcrossRepaints();
    void fillBoxPaintsOverDrawing_data();
    void fillBoxPaintsOverDrawing();

private:
    SurfaceWidget *m_surface = nullptr;
};

void SurfaceWidgetTest::init()
{
    m_surface = new SurfaceWidget(testExtent);
    m_surface->resize(testWidgetSize);
    m_surface->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_surface));
}

void SurfaceWidgetTest::cleanup()
{
    delete m_surface;
    m_surface = nullptr;
}

void SurfaceWidgetTest::mapsLogicalToPixels_data()
{
    QTest::addColumn<float>("extentWidth");
    QTest::addColumn<float>("extentHeight");
    QTest::addColumn<QSizeF>("inner");
    QTest::addColumn<QPointF>("logical");
    QTest::addColumn<QPointF>("pixels");

    // The diffusivity chart: 6795 x 6735 twips inside the frame, 453 x 449 pixels.
    QTest::newRow("kappa origin") << 6000.0f << 4000.0f << QSizeF(453, 449) << QPointF(0, 0)
                                  << QPointF(0, 0);
    QTest::newRow("kappa far corner")
        << 6000.0f << 4000.0f << QSizeF(453, 449) << QPointF(6000, 4000) << QPointF(453, 449);
    QTest::newRow("kappa centre") << 6000.0f << 4000.0f << QSizeF(453, 449) << QPointF(3000, 2000)
                                  << QPointF(226.5, 224.5);
    QTest::newRow("kappa below the extent")
        << 6000.0f << 4000.0f << QSizeF(453, 449) << QPointF(200, 6000) << QPointF(15.1, 673.5);
    // The shrinkage chart: 4845 x 3045 twips inside the frame, 323 x 203 pixels.
    QTest::newRow("schwindung grid")
        << 4000.0f << 1500.0f << QSizeF(323, 203) << QPointF(1000, 600) << QPointF(80.75, 81.2);
    QTest::newRow("schwindung negative")
        << 4000.0f << 1500.0f << QSizeF(323, 203) << QPointF(-400, -150) << QPointF(-32.3, -20.3);
}

void SurfaceWidgetTest::mapsLogicalToPixels()
{
    QFETCH(float, extentWidth);
    QFETCH(float, extentHeight);
    QFETCH(QSizeF, inner);
    QFETCH(QPointF, logical);
    QFETCH(QPointF, pixels);

    const SurfaceMapping mapping({extentWidth, extentHeight}, inner);
    QCOMPARE(mapping.toPixels(logical.x(), logical.y()), pixels);
}

void SurfaceWidgetTest::startsBlankInsideOnePixelFrame()
{
    QCOMPARE(m_surface->innerRect(), QRect(1, 1, 100, 50));
    QCOMPARE(countInnerPixels(*m_surface, Qt::white), 100 * 50);
    QCOMPARE(shownPixel(*m_surface, 0, 0), QColor(Qt::black));
    QCOMPARE(shownPixel(*m_surface, 101, 51), QColor(Qt::black));
    QCOMPARE(shownPixel(*m_surface, 50, 0), QColor(Qt::black));
    QCOMPARE(shownPixel(*m_surface, 1, 1), QColor(Qt::white));
    QCOMPARE(shownPixel(*m_surface, 100, 50), QColor(Qt::white));
}

void SurfaceWidgetTest::keepsDeviceResolution()
{
    m_surface->drawLine(0, 0, 1000, 500, black);
    const qreal ratio = m_surface->devicePixelRatioF();
    QCOMPARE(m_surface->contents().devicePixelRatio(), ratio);
    QCOMPARE(m_surface->contents().size(), (QSizeF(100, 50) * ratio).toSize());
}

void SurfaceWidgetTest::drawsLinesInDrawWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("firstColumn");
    QTest::addColumn<int>("lastColumn");

    // A vertical line through the centre of pixel column 50.
    QTest::newRow("1 pixel") << 1 << 50 << 50;
    QTest::newRow("3 pixels") << 3 << 49 << 51;
    QTest::newRow("5 pixels") << 5 << 48 << 52;
}

void SurfaceWidgetTest::drawsLinesInDrawWidth()
{
    QFETCH(int, width);
    QFETCH(int, firstColumn);
    QFETCH(int, lastColumn);

    m_surface->setDrawWidth(width);
    QCOMPARE(m_surface->drawWidth(), width);
    m_surface->drawLine(505, 0, 505, 500, blue);

    for (int x = firstColumn - 1; x <= lastColumn + 1; ++x) {
        const bool inLine = x >= firstColumn && x <= lastColumn;
        QCOMPARE(innerPixel(*m_surface, x, 25), inLine ? toQColor(blue) : QColor(Qt::white));
    }
    // The width stays for the next line.
    m_surface->drawLine(0, 255, 1000, 255, red);
    const int half = width / 2;
    QCOMPARE(innerPixel(*m_surface, 10, 25 - half), toQColor(red));
    QCOMPARE(innerPixel(*m_surface, 10, 25 + half), toQColor(red));
    QCOMPARE(innerPixel(*m_surface, 10, 25 + half + 1), QColor(Qt::white));
}

void SurfaceWidgetTest::clipsOutOfRangeLines_data()
{
    QTest::addColumn<float>("x1");
    QTest::addColumn<float>("y1");
    QTest::addColumn<float>("x2");
    QTest::addColumn<float>("y2");
    QTest::addColumn<int>("redPixels");

    constexpr float huge = std::numeric_limits<float>::max();
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();

    QTest::newRow("across the whole width") << -5000.0f << 255.0f << 9000.0f << 255.0f << 100;
    QTest::newRow("huge ends") << -huge << 255.0f << huge << 255.0f << 100;
    QTest::newRow("past the bottom") << 505.0f << 305.0f << 505.0f << 6000.0f << 20;
    QTest::newRow("beyond the right edge") << 2000.0f << 0.0f << 2000.0f << 500.0f << 0;
    QTest::newRow("above the top") << 0.0f << -300.0f << 1000.0f << -300.0f << 0;
    QTest::newRow("infinite end") << 0.0f << 255.0f << inf << 255.0f << 0;
    QTest::newRow("not a number") << nan << 255.0f << 1000.0f << 255.0f << 0;
}

void SurfaceWidgetTest::clipsOutOfRangeLines()
{
    QFETCH(float, x1);
    QFETCH(float, y1);
    QFETCH(float, x2);
    QFETCH(float, y2);
    QFETCH(int, redPixels);

    m_surface->drawLine(x1, y1, x2, y2, red);
    QCOMPARE(countInnerPixels(*m_surface, toQColor(red)), redPixels);
    QCOMPARE(countInnerPixels(*m_surface, Qt::white), 100 * 50 - redPixels);
}

void SurfaceWidgetTest::keepsDrawingAcrossRepaints()
{
    m_surface->setDrawWidth(1);
    m_surface->drawLine(505, 0, 505, 500, black);
    m_surface->repaint();
    m_surface->hide();
    m_surface->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_surface));
    m_surface->repaint();

    // Widget pixel 51 is inner pixel 50, behind the frame.
    QCOMPARE(shownPixel(*m_surface, 51, 20), QColor(Qt::black));
    QCOMPARE(shownPixel(*m_surface, 52, 20), QColor(Qt::white));
    QCOMPARE(innerPixel(*m_surface, 50, 20), QColor(Qt::black));
}

void SurfaceWidgetTest::fillBoxPaintsOverDrawing_data()
{
    QTest::addColumn<QRectF>("corners"); // x1, y1 as topLeft; x2, y2 as bottomRight
    QTest::addColumn<QRect>("filledPixels");

    QTest::newRow("whole extent") << QRectF(QPointF(0, 0), QPointF(1000, 500))
                                  << QRect(0, 0, 100, 50);
    QTest::newRow("more than the extent")
        << QRectF(QPointF(0, 0), QPointF(1000, 1000)) << QRect(0, 0, 100, 50);
    QTest::newRow("far beyond the extent")
        << QRectF(QPointF(-1e30, -1e30), QPointF(1e30, 1e30)) << QRect(0, 0, 100, 50);
    QTest::newRow("top-left quarter")
        << QRectF(QPointF(0, 0), QPointF(500, 250)) << QRect(0, 0, 50, 25);
    QTest::newRow("corners swapped")
        << QRectF(QPointF(500, 250), QPointF(0, 0)) << QRect(0, 0, 50, 25);
    QTest::newRow("inner part") << QRectF(QPointF(200, 100), QPointF(400, 300))
                                << QRect(20, 10, 20, 20);
}

void SurfaceWidgetTest::fillBoxPaintsOverDrawing()
{
    QFETCH(QRectF, corners);
    QFETCH(QRect, filledPixels);

    // A drawing that covers every pixel, then white over part of it.
    m_surface->fillBox(0, 0, 1000, 500, blue);
    m_surface->setDrawWidth(3);
    m_surface->drawLine(0, 255, 1000, 255, black);
    m_surface->fillBox(static_cast<float>(corners.left()), static_cast<float>(corners.top()),
                       static_cast<float>(corners.right()), static_cast<float>(corners.bottom()),
                       white);
    m_surface->repaint();

    int mismatches = 0;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 100; ++x) {
            const bool filled = filledPixels.contains(x, y);
            const bool white = innerPixel(*m_surface, x, y) == QColor(Qt::white);
            mismatches += filled == white ? 0 : 1;
        }
    }
    QCOMPARE(mismatches, 0);
    QCOMPARE(shownPixel(*m_surface, 1 + filledPixels.left(), 1 + filledPixels.top()),
             QColor(Qt::white));
}

QTEST_MAIN(SurfaceWidgetTest)
#include "surfacewidget_test.moc"
