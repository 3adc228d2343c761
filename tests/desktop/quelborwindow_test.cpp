#include "controltable.h"
#include "outersize.h"
#include "quelborwindow.h"
#include "surfacewidget.h"
#include "twipsgeometry.h"
#include "windowundertest.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace quelbor;

namespace {

const QStringList resultBoxes{"txt_psianf", "txt_XSE",       "txt_psiSE",
                              "txt_psi25",  "txt_kappa2525", "txt_kappaGrenz"};
const QStringList resultCaptions{"lbl_Ergebnisse", "lbl_psianf",    "lbl_XSE",       "lbl_psiSE",
                                 "lbl_psi25",      "lbl_kappa2525", "lbl_kappaGrenz"};
const QStringList loadingLabelsFrom4{"lbl_n4", "lbl_n5", "lbl_n6", "lbl_n7", "lbl_n8"};

// The controls of the title, the input block and "Rechne !".
const QStringList inputBlock{
    "Label40",       "lbl_EingMessdaten", "Label41",       "txt_Massebezeichnung",
    "lbl_rhoSE",     "txt_rhoSE",         "Label43",       "txt_Mue",
    "lbl_Xanf",      "txt_Xanf",          "lbl_ksiSE",     "txt_ksiSE",
    "lbl_kappaMess", "txt_kappaMess",     "lbl_thetaMess", "txt_thetaMess",
    "lbl_Xmess",     "txt_Xmess",         "Label39",       "txt_KappaSteig",
    "cmd_Rechne"};

int nonWhitePixels(const SurfaceWidget &surface)
{
    const QImage &image = surface.contents();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == QColor(Qt::white) ? 0 : 1;
    return count;
}

} // namespace

class QuelborWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tableHoldsEveryControlOnce();
    void startsInInputState();
    void startsWithDesignTexts_data();
    void startsWithDesignTexts();
    void controlsLookAsDesigned_data();
    void controlsLookAsDesigned();
    void controlsSitAtTwipsPositions_data();
    void controlsSitAtTwipsPositions();
    void showsImagesAndIcon();
    void followsKeyboardOrder();
    void calculatesInRegionalFormat_data();
    void calculatesInRegionalFormat();
    void switchesToResultState();
    void resetReturnsToInputState();
    void recalculatesChangedInputs();
    void ignoresNameAndResistanceFactor_data();
    void ignoresNameAndResistanceFactor();
    void failingCalculationIsReported_data();
    void failingCalculationIsReported();
    void goesOnAfterAnError();
    void reportsErrorInModalMessageBox();

private:
    template <typename T = QWidget> T &control(const char *name) const
    {
        return test::controlOf<T>(*m_window, QString::fromLatin1(name));
    }
    void press(const char *button);
    void setInput(const char *box, const QString &text);
    QStringList takeReports();

    std::unique_ptr<QuelborWindow> m_window;
    QStringList m_reports;
};

void QuelborWindowTest::init()
{
    m_reports.clear();
    m_window = test::shownWindow(m_reports);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

// A report that a test did not take is a failure, never a dialog waiting for a click.
void QuelborWindowTest::cleanup()
{
    QLocale::setDefault(QLocale::system());
    m_window.reset();
    QVERIFY2(m_reports.isEmpty(), qPrintable("unexpected error report: " + m_reports.join(" | ")));
}

void QuelborWindowTest::press(const char *button)
{
    auto &target = control<QPushButton>(button);
    QVERIFY(target.isVisible());
    QTest::mouseClick(&target, Qt::LeftButton);
}

void QuelborWindowTest::setInput(const char *box, const QString &text)
{
    control<QLineEdit>(box).setText(text);
}

QStringList QuelborWindowTest::takeReports()
{
    return std::exchange(m_reports, {});
}

void QuelborWindowTest::tableHoldsEveryControlOnce()
{
    const auto table = controlTable();
    QCOMPARE(table.size(), std::size_t(101));

    QSet<QString> names;
    QMap<ControlKind, int> kinds;
    for (const ControlDesign &design : table) {
        names.insert(QString::fromUtf8(design.name.data(), qsizetype(design.name.size())));
        ++kinds[design.kind];
    }
    QCOMPARE(names.size(), 101);
    QCOMPARE(kinds[ControlKind::Label], 76);
    QCOMPARE(kinds[ControlKind::TextBox], 15);
    QCOMPARE(kinds[ControlKind::Button], 2);
    QCOMPARE(kinds[ControlKind::Surface], 2);
    QCOMPARE(kinds[ControlKind::Image], 4);
    QCOMPARE(kinds[ControlKind::Line], 2);

    for (const QString &name : names)
        QVERIFY2(m_window->findChild<QWidget *>(name), qPrintable(name));
}

void QuelborWindowTest::startsInInputState()
{
    QCOMPARE(m_window->objectName(), QString("frm_Quelbor"));
    QCOMPARE(m_window->windowTitle(),
             QString(" Quelbor v. 1.4 vom 29.05.2006  -  Berechnung von Trocknungskenndaten"));
    QCOMPARE(m_window->geometry(), QRect(44, 70, 392, 239));
    QVERIFY(!m_window->persistentDrawing());

    const QStringList hiddenAtStart =
        QStringList{"cmd_Nochmal"} + resultCaptions + resultBoxes + loadingLabelsFrom4;
    QCOMPARE(hiddenAtStart.size(), 19);
    const QRect client = m_window->rect();
    for (QWidget *child : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QString name = child->objectName();
        QCOMPARE(child->isVisible(), !hiddenAtStart.contains(name));
        // Only the title, the input block and "Rechne !" show inside the small window.
        const bool seen = child->isVisible() && child->geometry().intersects(client);
        QVERIFY2(seen == inputBlock.contains(name), qPrintable(name));
    }
    for (const char *surface : {"pic_kappa", "pic_Schwindung"})
        QCOMPARE(nonWhitePixels(control<SurfaceWidget>(surface)), 0);
}

void QuelborWindowTest::startsWithDesignTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    const QList<std::pair<const char *, const char *>> texts{
        {"txt_Massebezeichnung", "Testmasse ABC von Ziegelei XYZ"},
        {"txt_rhoSE", "1850"},
        {"txt_Mue", "12"},
        {"txt_Xanf", "0,25"},
        {"txt_ksiSE", "6,2"},
        {"txt_kappaMess", "45"},
        {"txt_thetaMess", "20,5"},
        {"txt_Xmess", "0,185"},
        {"txt_KappaSteig", "7"},
        {"txt_psianf", ""},
        {"txt_kappaGrenz", ""},
        {"lbl_rhoSE", "Dichte der getrockneten Masse in kg/m³"},
        {"lbl_thetaMess", "             bei Messtemperatur in °C"},
        {"lbl_Xmess", "             und Wasserbeladung in kg/kg atro"},
        {"lbl_psi25", "Vol. Wassergeh. für 0,25 kg/kg atro in m³/m³"},
        {"Label36", "Abhängigkeit des Feuchteleitkoeffizienten vom Wassergehalt"},
        {"Label38", "                                    und der Messzustand ist grün markiert. "},
        {"Label7", "-10"},
        {"cmd_Rechne", "Rechne !"},
        {"cmd_Nochmal", "Nochmal !"},
    };
    for (const auto &[name, text] : texts)
        QTest::newRow(name) << QString(name) << QString::fromUtf8(text);
}

void QuelborWindowTest::startsWithDesignTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    QWidget &widget = control(qPrintable(name));
    if (auto *box = qobject_cast<QLineEdit *>(&widget))
        QCOMPARE(box->text(), text);
    else if (auto *label = qobject_cast<QLabel *>(&widget))
        QCOMPARE(label->text(), text);
    else
        QCOMPARE(qobject_cast<QPushButton *>(&widget)->text(), text);
}

void QuelborWindowTest::controlsLookAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("underlined");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("alignment");

    const QColor black(0, 0, 0);
    const QColor blue(0, 0, 255);
    const QColor darkRed(192, 0, 0);
    const QColor purple(64, 0, 64);
    const int left = Qt::AlignLeft;
    const int centre = Qt::AlignHCenter;
    const int right = Qt::AlignRight;

    QTest::newRow("title") << "Label40" << 14.25 << true << false << blue << left;
    QTest::newRow("window font") << "lbl_EingMessdaten" << 12.0 << false << false << black << left;
    QTest::newRow("name caption") << "Label41" << 11.25 << false << false << darkRed << left;
    QTest::newRow("name box") << "txt_Massebezeichnung" << 11.25 << false << false << darkRed
                              << right;
    QTest::newRow("input caption") << "lbl_rhoSE" << 9.75 << false << false << black << left;
    QTest::newRow("input box") << "txt_rhoSE" << 9.0 << false << false << black << centre;
    QTest::newRow("slope box") << "txt_KappaSteig" << 8.25 << false << false << black << centre;
    QTest::newRow("button") << "cmd_Rechne" << 11.25 << false << true << black << centre;
    QTest::newRow("result heading")
        << "lbl_Ergebnisse" << 12.0 << false << false << black << centre;
    QTest::newRow("result box") << "txt_kappaGrenz" << 9.0 << false << false << black << centre;
    QTest::newRow("chart title") << "Label36" << 12.75 << true << false << black << left;
    QTest::newRow("loading number") << "lbl_n5" << 11.25 << false << false << blue << left;
    QTest::newRow("decade") << "lbl_10_9" << 12.0 << false << false << black << left;
    QTest::newRow("minor mark") << "Label21" << 9.75 << false << false << purple << left;
    QTest::newRow("legend") << "Label37" << 9.0 << false << false << black << left;
    QTest::newRow("shrinkage axis") << "Label35" << 11.25 << false << false << blue << left;
}

void QuelborWindowTest::controlsLookAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(qreal, pointSize);
    QFETCH(bool, underlined);
    QFETCH(bool, italic);
    QFETCH(QColor, colour);
    QFETCH(int, alignment);

    QWidget &widget = control(qPrintable(name));
    const QFont font = widget.font();
    QCOMPARE(font.family(), QString("Arial"));
    QVERIFY(font.bold());
    QCOMPARE(font.pointSizeF(), pointSize);
    QCOMPARE(font.underline(), underlined);
    QCOMPARE(font.italic(), italic);

    const QPalette palette = widget.palette();
    if (auto *label = qobject_cast<QLabel *>(&widget)) {
        QCOMPARE(palette.color(QPalette::WindowText), colour);
        QCOMPARE(palette.color(QPalette::Window), QColor(Qt::white));
        QVERIFY(label->autoFillBackground());
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
        // Every caption shows whole.
        QVERIFY(QFontMetricsF(font).horizontalAdvance(label->text()) <= label->width());
    } else if (auto *box = qobject_cast<QLineEdit *>(&widget)) {
        QCOMPARE(palette.color(QPalette::Text), colour);
        QCOMPARE(int(box->alignment() & Qt::AlignHorizontal_Mask), alignment);
    } else {
        QCOMPARE(palette.color(QPalette::Button), QColor(Qt::white));
        QCOMPARE(palette.color(QPalette::ButtonText), colour);
    }
}

void QuelborWindowTest::controlsSitAtTwipsPositions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QRect>("pixels");

    QTest::newRow("input box") << "txt_rhoSE" << QRect(4560, 1305, 975, 250)
                               << QRect(304, 87, 65, 17);
    QTest::newRow("resistance box")
        << "txt_Mue" << QRect(4590, 1575, 930, 250) << QRect(306, 105, 62, 17);
    QTest::newRow("Nochmal") << "cmd_Nochmal" << QRect(4305, 495, 1410, 390)
                             << QRect(287, 33, 94, 26);
    QTest::newRow("diffusivity chart")
        << "pic_kappa" << QRect(7110, 1155, 6825, 6765) << QRect(474, 77, 455, 451);
    QTest::newRow("shrinkage chart")
        << "pic_Schwindung" << QRect(840, 6150, 4875, 3075) << QRect(56, 410, 325, 205);
    QTest::newRow("formula image")
        << "Picture3" << QRect(6210, 9090, 7890, 645) << QRect(414, 606, 526, 43);
    QTest::newRow("minor mark") << "Label25" << QRect(6840, 7275, 135, 255)
                                << QRect(456, 485, 9, 17);
}

void QuelborWindowTest::controlsSitAtTwipsPositions()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QRect, pixels);

    const QWidget &widget = control(qPrintable(name));
    QCOMPARE(widget.geometry(), pixels);
    QCOMPARE(leftTwips(widget), double(twips.left()));
    QCOMPARE(topTwips(widget), double(twips.top()));
    QCOMPARE(widthTwips(widget), double(twips.width()));
    QCOMPARE(heightTwips(widget), double(twips.height()));
}

void QuelborWindowTest::showsImagesAndIcon()
{
    const QList<std::pair<const char *, QSize>> images{{"Picture1", {12, 298}},
                                                       {"Picture2", {15, 227}},
                                                       {"Picture3", {526, 43}},
                                                       {"Picture4", {34, 26}}};
    for (const auto &[name, size] : images) {
        const auto &box = control<QLabel>(name);
        QCOMPARE(box.size(), size);
        QCOMPARE(box.frameShape(), QFrame::NoFrame);
        const QPixmap pixmap = box.pixmap();
        QVERIFY2(!pixmap.isNull(), name);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
    }
    // The separator lines: 2 pixels wide, one down the window, one across.
    QCOMPARE(control("Line1").geometry(), QRect(395, 4, 2, 638));
    QCOMPARE(control("Line2").geometry(), QRect(3, 377, 392, 2));

    const QIcon icon = m_window->windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(QSize(32, 32)).deviceIndependentSize().toSize(), QSize(32, 32));
}

void QuelborWindowTest::followsKeyboardOrder()
{
    // The order of the focusable controls; the first one has the focus at start.
    const QStringList inputOrder{
        "txt_rhoSE",  "txt_Xanf",       "txt_ksiSE", "txt_kappaMess", "txt_thetaMess",
        "cmd_Rechne", "txt_KappaSteig", "txt_Xmess", "txt_Mue",       "txt_Massebezeichnung"};
    QApplication::setActiveWindow(m_window.get());
    QCOMPARE(QApplication::focusWidget(), &control("txt_rhoSE"));
    QStringList visited;
    for (int i = 0; i < inputOrder.size(); ++i) {
        visited.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, inputOrder);

    // In the result state the result boxes and "Nochmal !" join the order.
    press("cmd_Rechne");
    const QStringList resultOrder{
        "txt_rhoSE",      "txt_Xanf",   "txt_ksiSE",   "txt_kappaMess",
        "txt_thetaMess",  "txt_psianf", "txt_XSE",     "txt_psiSE",
        "txt_kappa2525",  "txt_psi25",  "cmd_Nochmal", "txt_kappaGrenz",
        "txt_KappaSteig", "txt_Xmess",  "txt_Mue",     "txt_Massebezeichnung"};
    control<QLineEdit>("txt_rhoSE").setFocus();
    visited.clear();
    for (int i = 0; i < resultOrder.size(); ++i) {
        visited.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, resultOrder);
}

void QuelborWindowTest::calculatesInRegionalFormat_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("results");

    // As the program is started: the regional settings of the test's environment.
    QTest::newRow("environment") << QLocale::system()
                                 << test::regional(
                                        {"0,382", "0,136", "0,251", "0,382", "74,2", "32,0"});
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany)
                            << QStringList{"0,382", "0,136", "0,251", "0,382", "74,2", "32,0"};
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates)
                             << QStringList{"0.382", "0.136", "0.251", "0.382", "74.2", "32.0"};
    QTest::newRow("Swiss German") << QLocale(QLocale::German, QLocale::Switzerland)
                                  << QStringList{"0.382", "0.136", "0.251",
                                                 "0.382", "74.2",  "32.0"};
}

void QuelborWindowTest::calculatesInRegionalFormat()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, results);

    QLocale::setDefault(locale);
    press("cmd_Rechne");
    for (int i = 0; i < resultBoxes.size(); ++i)
        QCOMPARE(control<QLineEdit>(qPrintable(resultBoxes[i])).text(), results[i]);
}

void QuelborWindowTest::switchesToResultState()
{
    press("cmd_Rechne");

    QCOMPARE(outerSizeTwips(*m_window), QSize(14355, 10290));
    // The offscreen platform reports a frame of 2 pixels on each side.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QCOMPARE(m_window->frameGeometry().size(), QSize(957, 686));
    QVERIFY(m_window->persistentDrawing());

    QVERIFY(!control("cmd_Rechne").isVisible());
    QVERIFY(control("cmd_Nochmal").isVisible());
    for (const QString &name : resultCaptions + resultBoxes)
        QVERIFY2(control(qPrintable(name)).isVisible(), qPrintable(name));

    // With the defaults the chart reaches the loading 0.6: labels up to "0,6" show.
    const QList<std::pair<const char *, bool>> loadingLabels{
        {"lbl_n1", true}, {"lbl_n2", true}, {"lbl_n3", true},  {"lbl_n4", true},
        {"lbl_n5", true}, {"lbl_n6", true}, {"lbl_n7", false}, {"lbl_n8", false}};
    for (const auto &[name, visible] : loadingLabels)
        QCOMPARE(control(name).isVisible(), visible);
    // Over the mark of 0.1, and at the chart's left for loadings it never reached.
    QVERIFY(qAbs(leftTwips(control("lbl_n1")) - 9080.5) < 0.5);
    QCOMPARE(control("lbl_n1").x(), 605);
    QCOMPARE(leftTwips(control("lbl_n7")), 6990.0);
    QCOMPARE(control("lbl_n8").x(), 466);

    QVERIFY(nonWhitePixels(control<SurfaceWidget>("pic_kappa")) > 0);
    QVERIFY(nonWhitePixels(control<SurfaceWidget>("pic_Schwindung")) > 0);
}

void QuelborWindowTest::resetReturnsToInputState()
{
    press("cmd_Rechne");
    setInput("txt_Xanf", "0,31");
    setInput("txt_Mue", "15");
    const double n2Left = leftTwips(control("lbl_n2"));
    press("cmd_Nochmal");

    QCOMPARE(outerSizeTwips(*m_window), QSize(6015, 4050));
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QCOMPARE(m_window->frameGeometry().size(), QSize(401, 270));
    QVERIFY(control("cmd_Rechne").isVisible());
    QVERIFY(!control("cmd_Nochmal").isVisible());
    for (const QString &name : resultCaptions + resultBoxes + loadingLabelsFrom4)
        QVERIFY2(!control(qPrintable(name)).isVisible(), qPrintable(name));

    // Inputs and results keep their texts, the labels their places; the charts are white.
    QCOMPARE(control<QLineEdit>("txt_Xanf").text(), QString("0,31"));
    QCOMPARE(control<QLineEdit>("txt_Mue").text(), QString("15"));
    QCOMPARE(control<QLineEdit>("txt_rhoSE").text(), QString("1850"));
    QCOMPARE(control<QLineEdit>("txt_psianf").text(), test::regional({"0,382"}).first());
    QCOMPARE(leftTwips(control("lbl_n2")), n2Left);
    QVERIFY(m_window->persistentDrawing());
    for (const char *surface : {"pic_kappa", "pic_Schwindung"})
        QCOMPARE(nonWhitePixels(control<SurfaceWidget>(surface)), 0);
}

void QuelborWindowTest::recalculatesChangedInputs()
{
    press("cmd_Rechne");
    setInput("txt_psianf", "typed over");
    press("cmd_Nochmal");
    setInput("txt_Xanf", "0,30");
    press("cmd_Rechne");

    const QStringList results =
        test::regional({"0,458", "0,186", "0,343", "0,413", "72,8", "50,3"});
    for (int i = 0; i < resultBoxes.size(); ++i)
        QCOMPARE(control<QLineEdit>(qPrintable(resultBoxes[i])).text(), results[i]);
}

void QuelborWindowTest::ignoresNameAndResistanceFactor_data()
{
    QTest::addColumn<QString>("mue");
    QTest::addColumn<QString>("name");

    QTest::newRow("junk factor") << "zwölf"
                                 << "Testmasse ABC von Ziegelei XYZ";
    QTest::newRow("empty both") << ""
                                << "";
    QTest::newRow("numbers in the name") << "0"
                                         << "1,5e300 / 0";
}

void QuelborWindowTest::ignoresNameAndResistanceFactor()
{
    QFETCH(QString, mue);
    QFETCH(QString, name);

    // The same calculation with the design values, for comparison.
    QuelborWindow reference;
    reference.setErrorReporter([this](const QString &message) { m_reports.append(message); });
    reference.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reference));
    reference.findChild<QPushButton *>("cmd_Rechne")->click();

    setInput("txt_Mue", mue);
    setInput("txt_Massebezeichnung", name);
    press("cmd_Rechne");

    for (const QString &box : resultBoxes)
        QCOMPARE(control<QLineEdit>(qPrintable(box)).text(),
                 reference.findChild<QLineEdit *>(box)->text());
    for (const char *surface : {"pic_kappa", "pic_Schwindung"})
        QVERIFY(control<SurfaceWidget>(surface).contents() ==
                reference.findChild<SurfaceWidget *>(surface)->contents());
}

void QuelborWindowTest::failingCalculationIsReported_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<bool>("diffusivityDrawn");

    // Density 0: division by zero before any result is written or line drawn.
    QTest::newRow("empty density") << "txt_rhoSE"
                                   << ""
                                   << "Laufzeitfehler 11:\nDivision durch Null"
                                   << QStringList{"", "", "", "", "", ""} << false;
    // Initial water loading 1: negative base under the cube root.
    QTest::newRow("loading of 1") << "txt_Xanf"
                                  << "1"
                                  << QString::fromUtf8("Laufzeitfehler 5:\nUngültiger "
                                                       "Prozeduraufruf oder ungültiges Argument")
                                  << QStringList{"", "", "", "", "", ""} << false;
    // No measured diffusivity: the results are written, the diffusivity chart stops at the
    // logarithm of its first curve point, after its grid and marks.
    QTest::newRow("diffusivity 0")
        << "txt_kappaMess"
        << "0"
        << QString::fromUtf8("Laufzeitfehler 5:\nUngültiger "
                             "Prozeduraufruf oder ungültiges Argument")
        << test::regional({"0,382", "0,136", "0,251", "0,382", "0,0", "0,0"}) << true;
    // A diffusivity near the top of the double range overflows once shown in 10^-9 m²/s.
    QTest::newRow("diffusivity too large")
        << "txt_kappaMess"
        << "17" + QString(307, '0') << QString::fromUtf8("Laufzeitfehler 6:\nÜberlauf")
        << test::regional({"0,382", "0,136", "0,251", "0,382", "", ""}) << false;
}

void QuelborWindowTest::failingCalculationIsReported()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, report);
    QFETCH(QStringList, results);
    QFETCH(bool, diffusivityDrawn);

    setInput(qPrintable(box), text);
    press("cmd_Rechne");

    QCOMPARE(takeReports(), QStringList{report});
    // The window has switched to the result state before the inputs were read.
    QCOMPARE(outerSizeTwips(*m_window), QSize(14355, 10290));
    QVERIFY(!control("cmd_Rechne").isVisible());
    QVERIFY(control("cmd_Nochmal").isVisible());
    QVERIFY(control("txt_kappaGrenz").isVisible());
    for (int i = 0; i < resultBoxes.size(); ++i)
        QCOMPARE(control<QLineEdit>(qPrintable(resultBoxes[i])).text(), results[i]);
    QCOMPARE(nonWhitePixels(control<SurfaceWidget>("pic_kappa")) > 0, diffusivityDrawn);
    QCOMPARE(nonWhitePixels(control<SurfaceWidget>("pic_Schwindung")), 0);
}

void QuelborWindowTest::goesOnAfterAnError()
{
    setInput("txt_rhoSE", "");
    press("cmd_Rechne");
    QCOMPARE(takeReports().size(), 1);

    press("cmd_Nochmal");
    setInput("txt_rhoSE", "1850");
    press("cmd_Rechne");
    const QStringList results =
        test::regional({"0,382", "0,136", "0,251", "0,382", "74,2", "32,0"});
    for (int i = 0; i < resultBoxes.size(); ++i)
        QCOMPARE(control<QLineEdit>(qPrintable(resultBoxes[i])).text(), results[i]);
    QVERIFY(nonWhitePixels(control<SurfaceWidget>("pic_Schwindung")) > 0);
}

void QuelborWindowTest::reportsErrorInModalMessageBox()
{
    QuelborWindow window; // with the report of the program itself
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QLineEdit *>("txt_rhoSE")->setText("");

    QString title;
    QString text;
    bool modal = false;
    QTimer closer;
    int attempts = 0;
    connect(&closer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box) {
            title = box->windowTitle();
            text = box->text();
            modal = box->isModal();
            box->accept();
        }
        if (box || ++attempts > 100)
            closer.stop();
    });
    closer.start(20);
    window.findChild<QPushButton *>("cmd_Rechne")->click();

    QCOMPARE(title, QString("Quelbor"));
    QCOMPARE(text, QString("Laufzeitfehler 11:\nDivision durch Null"));
    QVERIFY(modal);
}

QTEST_MAIN(QuelborWindowTest)
#include "quelborwindow_test.moc"
