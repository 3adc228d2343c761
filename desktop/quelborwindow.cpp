#include "quelborwindow.h"

#include "buttonactions.h"
#include "controlfactory.h"
#include "controltable.h"
#include "floatstatus.h"
#include "outersize.h"
#include "resultactions.h"
#include "surfacewidget.h"
#include "svgpixmap.h"
#include "twips.h"
#include "windowdesign.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <stdexcept>

namespace quelbor {

namespace {

constexpr int iconPixels = 32;

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QuelborWindow::QuelborWindow(QWidget *parent)
    : QWidget(parent)
    , m_reportError([this](const QString &message) {
        QMessageBox::critical(this, QStringLiteral("Quelbor"), message);
    })
{
    setObjectName(QStringLiteral("frm_Quelbor"));
    setWindowTitle(QString::fromUtf8(windowDesign::caption));

    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(12);
    font.setBold(true);
    // Glyph advances on whole pixels, as on the screens the layout was made for: with them
    // every caption fits its box.
    font.setHintingPreference(QFont::PreferFullHinting);
    setFont(font);
    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Base));
    setPalette(background);

    createControls();
    setTabOrder();
    m_kappa = std::make_unique<GuardedSurface>(control<SurfaceWidget>("pic_kappa"));
    m_schwindung = std::make_unique<GuardedSurface>(control<SurfaceWidget>("pic_Schwindung"));
    m_loadingLabels = std::make_unique<WindowLoadingLabels>(*this);
    setWindowIcon(QIcon(svgPixmap(QStringLiteral(":/images/quelbor-icon.svg"),
                                  QSize(iconPixels, iconPixels), devicePixelRatioF())));

    const QPoint screenOrigin = QGuiApplication::primaryScreen()
                                    ? QGuiApplication::primaryScreen()->geometry().topLeft()
                                    : QPoint();
    setGeometry(QRect(screenOrigin + QPoint(twipsToPixels(windowDesign::startLeft),
                                            twipsToPixels(windowDesign::startTop)),
                      QSize(twipsToPixels(windowDesign::startClientWidth),
                            twipsToPixels(windowDesign::startClientHeight))));

    connect(&control<QPushButton>("cmd_Rechne"), &QPushButton::clicked, this,
            &QuelborWindow::onRechne);
    connect(&control<QPushButton>("cmd_Nochmal"), &QPushButton::clicked, this,
            &QuelborWindow::onNochmal);
    new ResultActions(*this);
}

void QuelborWindow::setErrorReporter(ErrorReporter reporter)
{
    m_reportError = std::move(reporter);
}

template <typename T> T &QuelborWindow::control(std::string_view name) const
{
    T *found = findChild<T *>(toQString(name), Qt::FindDirectChildrenOnly);
    if (!found)
        throw std::logic_error("no control " + std::string(name));
    return *found;
}

void QuelborWindow::createControls()
{
    QList<QWidget *> windowed;
    for (const ControlDesign &design : controlTable()) {
        QWidget *created = createControl(design, *this);
        if (design.kind != ControlKind::Label && design.kind != ControlKind::Line)
            windowed.append(created);
    }
    // Labels and lines are drawn on the window itself, beneath every other control.
    for (QWidget *widget : windowed)
        widget->raise();
}

// The Tab key stops on the text boxes and buttons, not on the charts and images; those keep
// their place in the order but are passed over. The first one has the focus at start.
void QuelborWindow::setTabOrder()
{
    QWidget *previous = nullptr;
    for (const char *name : windowDesign::tabOrder) {
        auto &next = control<QWidget>(name);
        if ((next.focusPolicy() & Qt::TabFocus) == 0)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, &next);
        else
            next.setFocus();
        previous = &next;
    }
}

void QuelborWindow::onRechne()
{
    runAction([this] {
        m_showsResult = false;
        m_calculatedAt = QDateTime::currentDateTime();
        pressRechne(*this, m_model, m_scale);
        m_showsResult = true;
    });
}

void QuelborWindow::onNochmal()
{
    runAction([this] {
        m_showsResult = false;
        pressNochmal(*this);
    });
}

// The window is painted anew as soon as the running action has ended, before it reacts to the
// next input: nobody can see a step in between, and one paint of the whole window costs as much
// as the rest of a calculation. An error report shows over the window as the fault left it.
void QuelborWindow::refresh()
{
    update();
}

// Errors end the action at the step that failed: what was shown, written and drawn up to
// there stays, and the window goes on working.
void QuelborWindow::runAction(const std::function<void()> &steps)
{
    if (const auto report = failureReport(steps))
        m_reportError(QString::fromStdString(*report));
}

void QuelborWindow::setControlVisible(std::string_view name, bool visible)
{
    control<QWidget>(name).setVisible(visible);
}

void QuelborWindow::setOuterWidthTwips(int twips)
{
    quelbor::setOuterWidthTwips(*this, twips);
}

void QuelborWindow::setOuterHeightTwips(int twips)
{
    quelbor::setOuterHeightTwips(*this, twips);
}

std::string QuelborWindow::controlText(std::string_view box) const
{
    return control<QLineEdit>(box).text().toStdString();
}

void QuelborWindow::setControlText(std::string_view box, const std::string &text)
{
    const FloatStatusGuard guard;
    auto &target = control<QLineEdit>(box);
    target.setText(QString::fromStdString(text));
    // A result longer than its box shows its leading digits, not its end.
    target.setCursorPosition(0);
}

std::string QuelborWindow::decimalSeparator() const
{
    return QLocale().decimalPoint().toStdString();
}

LoadingLabels &QuelborWindow::loadingLabels()
{
    return *m_loadingLabels;
}

void QuelborWindow::setPersistentDrawing(bool on)
{
    m_persistentDrawing = on;
    setAttribute(Qt::WA_StaticContents, on);
}

} // namespace quelbor
