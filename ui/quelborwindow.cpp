#include "quelborwindow.h"

#include "calculationerror.h"
#include "characteristics.h"
#include "controlfactory.h"
#include "controltable.h"
#include "diffusivitychart.h"
#include "displayedresults.h"
#include "floatstatus.h"
#include "guardedsurface.h"
#include "inputtexts.h"
#include "outersize.h"
#include "resultactions.h"
#include "resultformat.h"
#include "shrinkagechart.h"
#include "surfacewidget.h"
#include "svgpixmap.h"
#include "twips.h"
#include "windowloadinglabels.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <stdexcept>

namespace quelbor {

namespace {

constexpr char caption[] = " Quelbor v. 1.4 vom 29.05.2006  -  Berechnung von Trocknungskenndaten";

// Where the client area starts on the screen and how large it is at start, in twips.
constexpr int startLeft = 660;
constexpr int startTop = 1050;
constexpr int startClientWidth = 5880;
constexpr int startClientHeight = 3585;

// Outer window sizes of the two states, in twips.
constexpr int resultWidth = 14355;
constexpr int resultHeight = 10290;
constexpr int inputWidth = 6015;
constexpr int inputHeight = 4050;

constexpr int iconPixels = 32;

// The keyboard order of the controls that can take the focus.
constexpr const char *tabOrder[] = {
    "txt_rhoSE",
    "txt_Xanf",
    "txt_ksiSE",
    "txt_kappaMess",
    "txt_thetaMess",
    "txt_psianf",
    "txt_XSE",
    "txt_psiSE",
    "txt_kappa2525",
    "cmd_Rechne",
    "txt_psi25",
    "cmd_Nochmal",
    "pic_kappa",
    "txt_kappaGrenz",
    "pic_Schwindung",
    "Picture1",
    "Picture2",
    "txt_KappaSteig",
    "Picture3",
    "Picture4",
    "txt_Xmess",
    "txt_Mue",
    "txt_Massebezeichnung",
};

// The seven numeric inputs in the order the calculation reads them.
struct InputField
{
    const char *box;
    std::string InputTexts::*text;
};

constexpr InputField inputFields[] = {
    {"txt_rhoSE", &InputTexts::rhoSE},           {"txt_Xanf", &InputTexts::Xanf},
    {"txt_Xmess", &InputTexts::Xmess},           {"txt_ksiSE", &InputTexts::ksiSE},
    {"txt_kappaMess", &InputTexts::kappaMess},   {"txt_thetaMess", &InputTexts::thetaMess},
    {"txt_KappaSteig", &InputTexts::KappaSteig},
};

QString errorMessage(const CalculationError &error)
{
    return QStringLiteral("Laufzeitfehler %1:\n%2")
        .arg(error.number())
        .arg(QString::fromStdString(error.text()));
}

} // namespace

QuelborWindow::QuelborWindow(QWidget *parent)
    : QWidget(parent)
    , m_reportError([this](const QString &message) {
        QMessageBox::critical(this, QStringLiteral("Quelbor"), message);
    })
{
    setObjectName(QStringLiteral("frm_Quelbor"));
    setWindowTitle(QString::fromUtf8(caption));

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
    setWindowIcon(QIcon(svgPixmap(QStringLiteral(":/images/quelbor-icon.svg"),
                                  QSize(iconPixels, iconPixels), devicePixelRatioF())));

    const QPoint screenOrigin = QGuiApplication::primaryScreen()
                                    ? QGuiApplication::primaryScreen()->geometry().topLeft()
                                    : QPoint();
    setGeometry(QRect(screenOrigin + QPoint(twipsToPixels(startLeft), twipsToPixels(startTop)),
                      QSize(twipsToPixels(startClientWidth), twipsToPixels(startClientHeight))));

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

template <typename T> T &QuelborWindow::control(const char *name) const
{
    T *found = findChild<T *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (!found)
        throw std::logic_error(std::string("no control ") + name);
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
    for (const char *name : tabOrder) {
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
    runAction(&QuelborWindow::calculate);
}

void QuelborWindow::onNochmal()
{
    runAction(&QuelborWindow::reset);
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
void QuelborWindow::runAction(void (QuelborWindow::*steps)())
{
    try {
        (this->*steps)();
    } catch (const CalculationError &error) {
        m_reportError(errorMessage(error));
    } catch (const std::exception &error) {
        m_reportError(QStringLiteral("Unerwarteter Fehler:\n%1").arg(error.what()));
    } catch (...) {
        m_reportError(QStringLiteral("Unerwarteter Fehler."));
    }
}

void QuelborWindow::calculate()
{
    static constexpr VisibilityStep swapButtons[] = {{"cmd_Nochmal", true}, {"cmd_Rechne", false}};
    static constexpr VisibilityStep showResults[] = {
        {"lbl_n4", false},    {"lbl_n5", false},       {"lbl_n6", false},
        {"lbl_n7", false},    {"lbl_n8", false},       {"lbl_Ergebnisse", true},
        {"lbl_psianf", true}, {"lbl_XSE", true},       {"lbl_psiSE", true},
        {"lbl_psi25", true},  {"lbl_kappa2525", true}, {"lbl_kappaGrenz", true},
        {"txt_psianf", true}, {"txt_XSE", true},       {"txt_psiSE", true},
        {"txt_psi25", true},  {"txt_kappa2525", true}, {"txt_kappaGrenz", true},
    };

    m_showsResult = false;
    setVisibility(swapButtons);
    setOuterWidthTwips(*this, resultWidth);
    setOuterHeightTwips(*this, resultHeight);
    setVisibility(showResults);

    computeCharacteristics(m_model, inputTexts());
    writeResults();
    refresh();
    setPersistentDrawing(true);

    GuardedSurface kappa(control<SurfaceWidget>("pic_kappa"));
    WindowLoadingLabels loadingLabels(*this);
    drawDiffusivityChart(m_model, m_scale, kappa, loadingLabels);

    GuardedSurface schwindung(control<SurfaceWidget>("pic_Schwindung"));
    drawShrinkageChart(m_model, schwindung, [this] { refresh(); });
    m_showsResult = true;
}

void QuelborWindow::reset()
{
    static constexpr VisibilityStep hideResults[] = {
        {"lbl_Ergebnisse", false}, {"lbl_psianf", false}, {"lbl_XSE", false},
        {"lbl_psiSE", false},      {"lbl_psi25", false},  {"lbl_kappa2525", false},
        {"lbl_kappaGrenz", false}, {"txt_psianf", false}, {"txt_XSE", false},
        {"txt_psiSE", false},      {"txt_psi25", false},  {"txt_kappa2525", false},
        {"txt_kappaGrenz", false}, {"lbl_n4", false},     {"lbl_n5", false},
        {"lbl_n6", false},         {"lbl_n7", false},     {"lbl_n8", false},
        {"cmd_Nochmal", false},    {"cmd_Rechne", true},
    };
    constexpr Rgb white{255, 255, 255};

    m_showsResult = false;
    setVisibility(hideResults);
    control<SurfaceWidget>("pic_kappa").fillBox(0, 0, 6000, 6000, white);
    control<SurfaceWidget>("pic_Schwindung").fillBox(0, 0, 4000, 1500, white);
    refresh();
    setOuterWidthTwips(*this, inputWidth);
    setOuterHeightTwips(*this, inputHeight);
}

void QuelborWindow::setVisibility(std::span<const VisibilityStep> steps)
{
    for (const VisibilityStep &step : steps)
        control<QWidget>(step.name).setVisible(step.visible);
}

InputTexts QuelborWindow::inputTexts() const
{
    InputTexts texts;
    for (const InputField &field : inputFields)
        texts.*field.text = control<QLineEdit>(field.box).text().toStdString();
    return texts;
}

void QuelborWindow::writeResults()
{
    const std::string separator = QLocale().decimalPoint().toStdString();
    for (const DisplayedResult &result : displayedResults(m_model)) {
        const std::string text = formatResult(result.value, result.decimals, separator);
        const FloatStatusGuard guard;
        auto &box = control<QLineEdit>(result.box);
        box.setText(QString::fromStdString(text));
        // A result longer than its box shows its leading digits, not its end.
        box.setCursorPosition(0);
    }
}

void QuelborWindow::setPersistentDrawing(bool on)
{
    m_persistentDrawing = on;
    setAttribute(Qt::WA_StaticContents, on);
}

} // namespace quelbor
