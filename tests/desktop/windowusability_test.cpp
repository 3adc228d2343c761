#include "windowundertest.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace quelbor;

namespace {

// Pixels dark enough to be part of a glyph, not of its anti-aliased edge.
int inkPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return count;
}

// The text drawn in the box's font with room all round: all the ink its glyphs have.
int inkOfText(const QLineEdit &box)
{
    QImage image(box.width() * 2, box.height() * 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(box.font());
    painter.setPen(box.palette().color(QPalette::Text));
    painter.drawText(box.width() / 2, box.height() * 2, box.text());
    painter.end();
    return inkPixels(image);
}

} // namespace

class WindowUsabilityTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void focusedButtonTakesReturnAndEnter_data();
    void focusedButtonTakesReturnAndEnter();
    void returnInTextBoxDoesNotCalculate();
    void longResultShowsItsLeadingDigits();
    void textBoxesShowWholeGlyphs_data();
    void textBoxesShowWholeGlyphs();
    void buttonsHaveWhiteFace();

private:
    template <typename T = QWidget> T &control(const char *name) const
    {
        return test::controlOf<T>(*m_window, QString::fromLatin1(name));
    }

    std::unique_ptr<QuelborWindow> m_window;
    QStringList m_reports;
};

void WindowUsabilityTest::init()
{
    m_reports.clear();
    m_window = test::shownWindow(m_reports);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void WindowUsabilityTest::cleanup()
{
    m_window.reset();
    QVERIFY2(m_reports.isEmpty(), qPrintable("unexpected error report: " + m_reports.join(" | ")));
}

void WindowUsabilityTest::focusedButtonTakesReturnAndEnter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("resultState");

    QTest::newRow("Return") << int(Qt::Key_Return) << true;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << true;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
}

// "Rechne !" and then "Nochmal !", each pressed with the key while it has the focus.
void WindowUsabilityTest::focusedButtonTakesReturnAndEnter()
{
    QFETCH(int, key);
    QFETCH(bool, resultState);

    auto &rechne = control<QPushButton>("cmd_Rechne");
    rechne.setFocus();
    QTest::keyClick(&rechne, Qt::Key(key));
    QCOMPARE(control("cmd_Nochmal").isVisible(), resultState);
    QCOMPARE(!control<QLineEdit>("txt_psianf").text().isEmpty(), resultState);
    if (!resultState)
        return;

    auto &nochmal = control<QPushButton>("cmd_Nochmal");
    nochmal.setFocus();
    QTest::keyClick(&nochmal, Qt::Key(key));
    QVERIFY(rechne.isVisible());
    QVERIFY(!nochmal.isVisible());
}

void WindowUsabilityTest::returnInTextBoxDoesNotCalculate()
{
    auto &density = control<QLineEdit>("txt_rhoSE");
    density.setFocus();
    QTest::keyClick(&density, Qt::Key_Return);
    QTest::keyClick(&density, Qt::Key_Enter);
    QVERIFY(control("cmd_Rechne").isVisible());
    QVERIFY(control<QLineEdit>("txt_psianf").text().isEmpty());
}

// 74186838,3 is wider than its box: the reader must see where it starts, not its end.
void WindowUsabilityTest::longResultShowsItsLeadingDigits()
{
    control<QLineEdit>("txt_kappaMess").setText(QStringLiteral("45000000"));
    QTest::mouseClick(&control<QPushButton>("cmd_Rechne"), Qt::LeftButton);

    auto &result = control<QLineEdit>("txt_kappa2525");
    QCOMPARE(result.text(), test::regional({"74186838,3"}).first());
    QVERIFY(result.fontMetrics().horizontalAdvance(result.text()) > result.width());
    // The text is scrolled so that its start, where the cursor stands, is in view.
    QVERIFY(result.inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < result.width() / 4);
}

void WindowUsabilityTest::textBoxesShowWholeGlyphs_data()
{
    QTest::addColumn<QString>("box");

    // Each size of text box: 11.25 pt in 250 twips, 9 pt in 250 twips, 8.25 pt in 195 twips.
    QTest::newRow("name") << "txt_Massebezeichnung";
    QTest::newRow("density") << "txt_rhoSE";
    QTest::newRow("slope") << "txt_KappaSteig";
}

// Capitals, digits and descenders keep every dark pixel of their glyphs inside the frame.
void WindowUsabilityTest::textBoxesShowWholeGlyphs()
{
    QFETCH(QString, box);

    auto &shown = control<QLineEdit>(qPrintable(box));
    shown.setText(QStringLiteral("Hg7jpqy"));
    const QImage image = shown.grab().toImage();
    const int frame = 1;
    const QImage inside =
        image.copy(frame, frame, image.width() - 2 * frame, image.height() - 2 * frame);
    const int expected = inkOfText(shown);
    const int seen = inkPixels(inside);
    QVERIFY2(seen >= expected * 97 / 100,
             qPrintable(QStringLiteral("%1 of %2 glyph pixels shown").arg(seen).arg(expected)));
}

void WindowUsabilityTest::buttonsHaveWhiteFace()
{
    for (const char *name : {"cmd_Rechne", "cmd_Nochmal"}) {
        auto &button = control<QPushButton>(name);
        button.setVisible(true);
        const QImage face = button.grab().toImage();
        // Left of the caption, clear of the frame: the face itself.
        QCOMPARE(QColor(face.pixel(5, face.height() / 2)), QColor(Qt::white));
        QCOMPARE(QColor(face.pixel(face.width() - 5, face.height() - 5)), QColor(Qt::white));
    }
}

QTEST_MAIN(WindowUsabilityTest)
#include "windowusability_test.moc"
