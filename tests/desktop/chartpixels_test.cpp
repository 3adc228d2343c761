// The charts as the window shows them: after "Rechne !" with the default inputs the rendered
// surfaces carry the markers, marks and curves at the pixels their logical coordinates map to,
// whatever the widget size and device pixel ratio; "Nochmal !" leaves them white. Figures for
// the defaults, worked out by hand: psiSE 0.250810, psi25 0.381698, psiMess 0.313577,
// kappaGrenz 3.20314e-8 (level 2.50558), KappaSteig 7; on the shrinkage chart XSE 0.135573,
// psianf 0.381698, rhoAnf 1526.79.

#include "quelborwindow.h"
#include "surfacemapping.h"
#include "surfacewidget.h"
#include "twipsgeometry.h"
#include "windowundertest.h"

#include <QPushButton>
#include <QTest>

#include <cmath>
#include <memory>

using namespace quelbor;

namespace {

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor red(225, 0, 0);
const QColor green(0, 225, 0);
const QColor blue(0, 0, 255);

// A surface as a repaint shows it, with what is needed to find a logical point in it.
struct Shot
{
    QImage image;
    qreal ratio = 1;
    QRect inner; // widget pixels
    SurfaceMapping mapping;

    explicit Shot(SurfaceWidget &surface)
        : inner(surface.innerRect())
        , mapping(surface.mapping())
    {
        const QPixmap pixmap = surface.grab();
        ratio = pixmap.devicePixelRatio();
        image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The device pixel column and the device row position of a logical point.
    int column(double x) const
    {
        return static_cast<int>(std::floor((inner.left() + mapping.xToPixels(x)) * ratio));
    }
    double row(double y) const { return (inner.top() + mapping.yToPixels(y)) * ratio; }
    int firstRow() const { return static_cast<int>(std::ceil(inner.top() * ratio)); }
    int endRow() const { return static_cast<int>(std::floor((inner.bottom() + 1) * ratio)); }
    int firstColumn() const { return static_cast<int>(std::ceil(inner.left() * ratio)); }
    int endColumn() const { return static_cast<int>(std::floor((inner.right() + 1) * ratio)); }

    int countInColumn(int column, const QColor &colour) const
    {
        int count = 0;
        for (int y = firstRow(); y < endRow(); ++y)
            count += image.pixelColor(column, y) == colour ? 1 : 0;
        return count;
    }

    int innerPixelsNot(const QColor &colour) const
    {
        int count = 0;
        for (int y = firstRow(); y < endRow(); ++y)
            for (int x = firstColumn(); x < endColumn(); ++x)
                count += image.pixelColor(x, y) == colour ? 0 : 1;
        return count;
    }
};

} // namespace

class ChartPixelsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void markerColumns_data();
    void markerColumns();
    void curvePixels_data();
    void curvePixels();
    void loadingLabelsStandOverTheirMarks_data();
    void loadingLabelsStandOverTheirMarks();
    void chartsSurviveRepaints();
    void resetLeavesSurfacesWhite();

private:
    SurfaceWidget &surface(const QString &name) const;
    void press(const char *button);

    std::unique_ptr<QuelborWindow> m_window;
    QStringList m_reports;
};

void ChartPixelsTest::init()
{
    m_reports.clear();
    m_window = test::shownWindow(m_reports);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    press("cmd_Rechne");
}

void ChartPixelsTest::cleanup()
{
    m_window.reset();
    QVERIFY2(m_reports.isEmpty(), qPrintable("unexpected error report: " + m_reports.join(" | ")));
}

SurfaceWidget &ChartPixelsTest::surface(const QString &name) const
{
    return test::controlOf<SurfaceWidget>(*m_window, name);
}

void ChartPixelsTest::press(const char *button)
{
    auto &target = test::controlOf<QPushButton>(*m_window, QString::fromLatin1(button));
    QVERIFY(target.isVisible());
    QTest::mouseClick(&target, Qt::LeftButton);
}

void ChartPixelsTest::markerColumns_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QColor>("colour");

    // Vertical lines over the whole height; only the curves drawn later cross them.
    QTest::newRow("psiSE marker") << 2508.1 << red;
    QTest::newRow("psi25 marker") << 3817.0 << red;
    QTest::newRow("psiMess marker") << 3135.8 << green;
    QTest::newRow("mark of 0.1") << 1850.0 << blue;
    QTest::newRow("mark of 0.4") << 4969.1 << blue;
    QTest::newRow("mark of 0.6") << 5970.3 << blue;
}

void ChartPixelsTest::markerColumns()
{
    QFETCH(double, x);
    QFETCH(QColor, colour);

    const Shot shot(surface("pic_kappa"));
    const int height = shot.endRow() - shot.firstRow();
    // The line covers the column of its centre, give or take the rounding of the pen.
    const int column = shot.column(x);
    int best = 0;
    for (int c = column - 1; c <= column + 1; ++c)
        best = std::max(best, shot.countInColumn(c, colour));
    QVERIFY2(best >= height * 9 / 10, qPrintable(QString("%1 of %2 rows").arg(best).arg(height)));
    // ... and nothing of its colour stands a few pixels beside it, inside the chart.
    const int aside = static_cast<int>(std::ceil(5 * shot.ratio));
    for (int beside : {column - aside, column + aside}) {
        if (beside >= shot.firstColumn() && beside < shot.endColumn())
            QVERIFY(shot.countInColumn(beside, colour) < height / 10);
    }
}

void ChartPixelsTest::curvePixels_data()
{
    QTest::addColumn<QString>("surface");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("searchPixels"); // how far up and down the column to look

    // Points of the diffusivity curve and of the lines below psiSE, each more than eight
    // pixels from any other black line, so only its own line is found near it.
    // Above psiSE: level 2.50558 + 2 log10(psi / psiSE).
    QTest::newRow("curve at psi 0.5008") << "pic_kappa" << 5008.1 << 893.8 << 8;
    QTest::newRow("curve at psi 0.5508") << "pic_kappa" << 5508.1 << 811.1 << 8;
    // Below psiSE: straight from (100, y0) to (2508.1, 1494.4) with y0 3180.1 (KappaSteig 7),
    // 3902.5 (slope 10) and 2939.3 (slope 6).
    QTest::newRow("KappaSteig line") << "pic_kappa" << 1000.0 << 2550.1 << 8;
    QTest::newRow("slope 10 line") << "pic_kappa" << 1500.0 << 2502.5 << 8;
    QTest::newRow("slope 6 line") << "pic_kappa" << 700.0 << 2579.3 << 8;
    // The shrinkage curve is the only black there: the whole column is searched. Along the
    // bottom edge up to XSE, then rising: 1500 - 10000 ksiRest(X).
    QTest::newRow("bottom at X 0.03") << "pic_Schwindung" << 300.0 << 1500.0 << 1000;
    QTest::newRow("bottom at X 0.07") << "pic_Schwindung" << 700.0 << 1500.0 << 1000;
    QTest::newRow("bottom at X 0.11") << "pic_Schwindung" << 1100.0 << 1500.0 << 1000;
    QTest::newRow("rising at X 0.20") << "pic_Schwindung" << 2000.0 << 1141.2 << 1000;
    QTest::newRow("initial loading X 0.25") << "pic_Schwindung" << 2500.0 << 880.0 << 1000;
    QTest::newRow("rising at X 0.30") << "pic_Schwindung" << 3000.0 << 631.7 << 1000;
    QTest::newRow("rising at X 0.35") << "pic_Schwindung" << 3500.0 << 395.0 << 1000;
}

void ChartPixelsTest::curvePixels()
{
    QFETCH(QString, surface);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, searchPixels);

    const Shot shot(this->surface(surface));
    const int column = shot.column(x);
    const double centre = shot.row(y);
    const int from =
        std::max(shot.firstRow(), static_cast<int>(centre - searchPixels * shot.ratio));
    const int to =
        std::min(shot.endRow(), static_cast<int>(centre + searchPixels * shot.ratio) + 1);
    QList<int> blackRows;
    for (int row = from; row < to; ++row) {
        if (shot.image.pixelColor(column, row) == black)
            blackRows.append(row);
    }
    QVERIFY2(!blackRows.isEmpty(), "no curve pixel in the column");
    // Lines up to 4 pixels wide: every black pixel found lies within 4 pixels of the point.
    for (int row : blackRows)
        QVERIFY2(std::abs(row + 0.5 - centre) <= 4 * shot.ratio,
                 qPrintable(QString("black at row %1, expected about %2").arg(row).arg(centre)));
}

void ChartPixelsTest::loadingLabelsStandOverTheirMarks_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("leftTwips");
    QTest::addColumn<double>("markX");

    // 6990 + 6780 psiMarks[k] / 0.6 for the marks at x = 10000 psiMarks[k].
    QTest::newRow("0,1") << "lbl_n1" << 9080.5 << 1850.0;
    QTest::newRow("0,2") << "lbl_n2" << 10725.7 << 3306.0;
    QTest::newRow("0,3") << "lbl_n3" << 11798.7 << 4255.5;
    QTest::newRow("0,4") << "lbl_n4" << 12605.1 << 4969.1;
    QTest::newRow("0,5") << "lbl_n5" << 13233.3 << 5525.1;
    QTest::newRow("0,6") << "lbl_n6" << 13736.5 << 5970.3;
}

void ChartPixelsTest::loadingLabelsStandOverTheirMarks()
{
    QFETCH(QString, label);
    QFETCH(double, leftTwips);
    QFETCH(double, markX);

    const auto *moved = m_window->findChild<QWidget *>(label);
    QVERIFY(moved);
    QVERIFY(moved->isVisible());
    QVERIFY(std::abs(quelbor::leftTwips(*moved) - leftTwips) < 0.1);

    // The mark's column in window pixels lies inside the label.
    SurfaceWidget &kappa = surface("pic_kappa");
    const double markColumn =
        kappa.x() + kappa.innerRect().left() + kappa.mapping().xToPixels(markX);
    QVERIFY2(moved->x() <= markColumn && markColumn < moved->x() + moved->width(),
             qPrintable(QString("mark at %1, label from %2 to %3")
                            .arg(markColumn)
                            .arg(moved->x())
                            .arg(moved->x() + moved->width())));
}

void ChartPixelsTest::chartsSurviveRepaints()
{
    SurfaceWidget &kappa = surface("pic_kappa");
    SurfaceWidget &schwindung = surface("pic_Schwindung");
    const QImage kappaDrawn = Shot(kappa).image;
    const QImage schwindungDrawn = Shot(schwindung).image;
    QVERIFY(Shot(kappa).innerPixelsNot(white) > 0);
    QVERIFY(Shot(schwindung).innerPixelsNot(white) > 0);

    m_window->hide();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->update();
    QCoreApplication::processEvents();
    m_window->repaint();

    QCOMPARE(Shot(kappa).image, kappaDrawn);
    QCOMPARE(Shot(schwindung).image, schwindungDrawn);
    // The window shows the same pixels where the surfaces sit.
    for (SurfaceWidget *chart : {&kappa, &schwindung}) {
        const QImage shown =
            m_window->grab(chart->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, Shot(*chart).image);
    }
}

void ChartPixelsTest::resetLeavesSurfacesWhite()
{
    press("cmd_Nochmal");
    for (const char *name : {"pic_kappa", "pic_Schwindung"}) {
        const Shot shot(surface(name));
        QCOMPARE(shot.innerPixelsNot(white), 0);
        // The frame is still there around the white area.
        QCOMPARE(shot.image.pixelColor(0, 0), black);
        QCOMPARE(shot.image.pixelColor(shot.image.width() - 1, shot.image.height() - 1), black);
    }
}

QTEST_MAIN(ChartPixelsTest)
#include "chartpixels_test.moc"
