#include "svgpixmap.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using quelbor::svgPixmap;

class SvgPixmapTest : public QObject
{
    Q_OBJECT

private slots:
    void rendersAtSizeAndRatio_data();
    void rendersAtSizeAndRatio();
    void unreadableImageGivesNullPixmap();
};

namespace {

// A 20 x 10 image: red on the left half, blue on the right.
constexpr char twoColourSvg[] =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="20" height="10" viewBox="0 0 20 10">)"
    R"(<rect x="0" y="0" width="10" height="10" fill="#ff0000"/>)"
    R"(<rect x="10" y="0" width="10" height="10" fill="#0000ff"/></svg>)";

} // namespace

void SvgPixmapTest::rendersAtSizeAndRatio_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("devicePixels");

    QTest::newRow("natural size") << QSize(20, 10) << 1.0 << QSize(20, 10);
    QTest::newRow("double density") << QSize(20, 10) << 2.0 << QSize(40, 20);
    QTest::newRow("one and a half") << QSize(20, 10) << 1.5 << QSize(30, 15);
    QTest::newRow("scaled box") << QSize(40, 8) << 1.0 << QSize(40, 8);
}

void SvgPixmapTest::rendersAtSizeAndRatio()
{
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    QFETCH(QSize, devicePixels);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("two.svg");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(twoColourSvg);
    file.close();

    const QPixmap pixmap = svgPixmap(path, size, ratio);
    QCOMPARE(pixmap.size(), devicePixels);
    QCOMPARE(pixmap.devicePixelRatio(), ratio);
    const QImage image = pixmap.toImage();
    QCOMPARE(image.pixelColor(devicePixels.width() / 4, devicePixels.height() / 2),
             QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(devicePixels.width() * 3 / 4, devicePixels.height() / 2),
             QColor(0, 0, 255));
}

void SvgPixmapTest::unreadableImageGivesNullPixmap()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
    QVERIFY(svgPixmap(":/no/such/image.svg", QSize(10, 10), 1.0).isNull());
}

QTEST_MAIN(SvgPixmapTest)
#include "svgpixmap_test.moc"
