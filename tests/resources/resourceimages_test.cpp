#include <algorithm>
#include <cstdlib>
#include <numeric>

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>

// The window's images and icon as the program shows them: each SVG resource rendered by
// QtSvg at its own size.
class ResourceImagesTest : public QObject
{
    Q_OBJECT

private slots:
    void exactPixelSize_data();
    void exactPixelSize();
    void textStaysOffTheEdges_data();
    void textStaysOffTheEdges();
    void captionReadsUpwards_data();
    void captionReadsUpwards();
    void captionIsBlackOnWhite_data();
    void captionIsBlackOnWhite();
    void temperatureLawIsRedOnWhite();
    void logoIsOpaqueAndColourful();
    void iconUsesSixteenColourPalette();
};

namespace {

QImage rendered(const QString &path)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool isWhite(QRgb pixel)
{
    return pixel == qRgb(255, 255, 255);
}

// Pixels that differ from the white background.
int inkCount(const QImage &image, QRect area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isWhite(image.pixel(x, y)) ? 0 : 1;
    return count;
}

bool isOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 255)
                return false;
    return true;
}

void addCaptionRows()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("diffusivity caption") << QStringLiteral(":/images/Picture1.svg");
    QTest::newRow("shrinkage caption") << QStringLiteral(":/images/Picture2.svg");
}

} // namespace

void ResourceImagesTest::exactPixelSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    QTest::newRow("Picture1") << QStringLiteral(":/images/Picture1.svg") << QSize(12, 298);
    QTest::newRow("Picture2") << QStringLiteral(":/images/Picture2.svg") << QSize(15, 227);
    QTest::newRow("Picture3") << QStringLiteral(":/images/Picture3.svg") << QSize(526, 43);
    QTest::newRow("Picture4") << QStringLiteral(":/images/Picture4.svg") << QSize(34, 26);
    QTest::newRow("icon") << QStringLiteral(":/images/quelbor-icon.svg") << QSize(32, 32);
}

void ResourceImagesTest::exactPixelSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    QSvgRenderer renderer(path);
    QVERIFY2(renderer.isValid(), qPrintable(path));
    QCOMPARE(renderer.defaultSize(), size);
    // One user unit is one pixel: the drawing is not scaled into the box.
    QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(size)));

    // Something is drawn, not only a background.
    const QImage image = rendered(path);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() >= 3, qPrintable(path));
}

void ResourceImagesTest::textStaysOffTheEdges_data()
{
    addCaptionRows();
    QTest::newRow("temperature law") << QStringLiteral(":/images/Picture3.svg");
}

void ResourceImagesTest::textStaysOffTheEdges()
{
    QFETCH(QString, path);

    const QImage image = rendered(path);
    QVERIFY(!image.isNull());
    QVERIFY(isOpaque(image));
    const int w = image.width();
    const int h = image.height();
    QCOMPARE(inkCount(image, QRect(0, 0, w, 1)), 0);
    QCOMPARE(inkCount(image, QRect(0, h - 1, w, 1)), 0);
    QCOMPARE(inkCount(image, QRect(0, 0, 1, h)), 0);
    QCOMPARE(inkCount(image, QRect(w - 1, 0, 1, h)), 0);
    // A line of text, not a few stray dots: at least a tenth of the inner area is ink.
    QVERIFY(inkCount(image, QRect(1, 1, w - 2, h - 2)) * 10 >= (w - 2) * (h - 2));
}

void ResourceImagesTest::captionReadsUpwards_data()
{
    addCaptionRows();
}

void ResourceImagesTest::captionReadsUpwards()
{
    QFETCH(QString, path);

    const QImage image = rendered(path);
    QVERIFY(!image.isNull());
    const int w = image.width();
    const int h = image.height();
    // The line runs along the long side and fills most of it.
    int firstRow = h;
    int lastRow = -1;
    for (int y = 0; y < h; ++y) {
        if (inkCount(image, QRect(0, y, w, 1)) > 0) {
            firstRow = std::min(firstRow, y);
            lastRow = y;
        }
    }
    QVERIFY(lastRow - firstRow + 1 >= h * 2 / 3);
    // The densest columns are the band of the lower-case letters. Read from bottom to top,
    // capitals and ascenders stick out of it to the left and the few descenders to the right;
    // read from top to bottom it would be the other way round.
    QList<int> column(w);
    for (int x = 0; x < w; ++x)
        column[x] = inkCount(image, QRect(x, 0, 1, h));
    const int densest = *std::max_element(column.cbegin(), column.cend());
    const auto isBody = [&](int ink) { return 2 * ink >= densest; };
    const auto bodyFirst = std::find_if(column.cbegin(), column.cend(), isBody);
    const auto bodyLast = std::find_if(column.crbegin(), column.crend(), isBody).base();
    const int left = std::accumulate(column.cbegin(), bodyFirst, 0);
    const int right = std::accumulate(bodyLast, column.cend(), 0);
    QVERIFY2(left > right, qPrintable(QStringLiteral("left %1, right %2").arg(left).arg(right)));
}

void ResourceImagesTest::captionIsBlackOnWhite_data()
{
    addCaptionRows();
}

void ResourceImagesTest::captionIsBlackOnWhite()
{
    QFETCH(QString, path);

    const QImage image = rendered(path);
    QVERIFY(!image.isNull());
    int black = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            // Shades of grey only: black ink, white ground and their blends at the edges.
            QVERIFY2(std::abs(qRed(p) - qGreen(p)) <= 16 && std::abs(qGreen(p) - qBlue(p)) <= 16,
                     qPrintable(QStringLiteral("colour at %1, %2").arg(x).arg(y)));
            black += qGray(p) < 64 ? 1 : 0;
        }
    }
    QVERIFY(black >= 100);
}

void ResourceImagesTest::temperatureLawIsRedOnWhite()
{
    const QImage image = rendered(QStringLiteral(":/images/Picture3.svg"));
    QVERIFY(!image.isNull());
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            // Red on white blends keep the red channel full; black or any dark ink would not.
            QVERIFY2(qRed(p) >= 240, qPrintable(QStringLiteral("dark at %1, %2").arg(x).arg(y)));
            QVERIFY(std::abs(qGreen(p) - qBlue(p)) <= 16);
            red += qGreen(p) < 64 ? 1 : 0;
        }
    }
    QVERIFY(red >= 500);
}

void ResourceImagesTest::logoIsOpaqueAndColourful()
{
    const QImage image = rendered(QStringLiteral(":/images/Picture4.svg"));
    QVERIFY(!image.isNull());
    QVERIFY(isOpaque(image));
    // Strongly coloured pixels, sorted into twelve hue sectors of 30 degrees each.
    QSet<int> sectors;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgb(image.pixel(x, y));
            if (c.hsvSaturation() >= 128 && c.value() >= 96)
                sectors.insert(c.hsvHue() / 30);
        }
    }
    QVERIFY2(sectors.size() >= 3, qPrintable(QString::number(sectors.size())));
}

void ResourceImagesTest::iconUsesSixteenColourPalette()
{
    // The classic 16-colour palette.
    static const QSet<QRgb> palette = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

    const QImage image = rendered(QStringLiteral(":/images/quelbor-icon.svg"));
    QVERIFY(!image.isNull());
    QSet<QRgb> used;
    int transparent = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 0) {
                ++transparent;
                continue;
            }
            // Flat colours only: no pixel blended with its neighbours or the ground.
            QVERIFY2(qAlpha(p) == 255 && palette.contains(p),
                     qPrintable(QStringLiteral("%1 at %2, %3")
                                    .arg(QColor::fromRgba(p).name(QColor::HexArgb))
                                    .arg(x)
                                    .arg(y)));
            used.insert(p);
        }
    }
    QVERIFY(used.size() >= 5);
    // The ground shows through around the motif.
    QVERIFY(transparent > 0);
}

QTEST_MAIN(ResourceImagesTest)
#include "resourceimages_test.moc"
