#include "controlfactory.h"

#include "captionlabel.h"
#include "commandbutton.h"
#include "controlgeometry.h"
#include "surfacewidget.h"
#include "svgimage.h"
#include "textalignment.h"
#include "twips.h"
#include "twipsgeometry.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>

namespace quelbor {

namespace {

constexpr int textBoxFrame = 1; // pixels

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor toQColor(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

// Sets the given colour roles of a control's palette, the others stay as the style has them.
void setColours(QWidget &control,
                std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours)
{
    QPalette palette = control.palette();
    for (const auto &[role, colour] : colours)
        palette.setColor(role, colour);
    control.setPalette(palette);
}

void applyFont(QWidget &control, const ControlDesign &design)
{
    QFont font = control.font();
    if (design.pointSize != windowFont)
        font.setPointSizeF(design.pointSize);
    font.setBold(true);
    font.setUnderline(design.style == TextStyle::Underlined);
    font.setItalic(design.style == TextStyle::Italic);
    control.setFont(font);
}

QWidget *createLabel(const ControlDesign &design, QWidget &window)
{
    auto *label = new CaptionLabel(toQString(design.text), &window);
    label->setAlignment(horizontalAlignment(design.align) | Qt::AlignTop);
    label->setAutoFillBackground(true);
    setColours(*label,
               {{QPalette::Window, Qt::white}, {QPalette::WindowText, toQColor(design.colour)}});
    return label;
}

QWidget *createTextBox(const ControlDesign &design, QWidget &window)
{
    auto *box = new QLineEdit(toQString(design.text), &window);
    box->setAlignment(horizontalAlignment(design.align) | Qt::AlignTop);
    box->setStyleSheet(QStringLiteral("QLineEdit { border: %1px solid rgb(122, 122, 122);"
                                      " padding: 0px; margin: 0px; }")
                           .arg(textBoxFrame));
    setColours(*box, {{QPalette::Text, toQColor(design.colour)}});
    return box;
}

QWidget *createButton(const ControlDesign &design, QWidget &window)
{
    auto *button = new CommandButton(toQString(design.text), &window);
    setColours(*button, {{QPalette::ButtonText, toQColor(design.colour)}});
    return button;
}

QWidget *createImage(const ControlDesign &design, QWidget &window)
{
    const QSize size(twipsToPixels(design.width), twipsToPixels(design.height));
    return new SvgImage(":/images/" + toQString(design.name) + ".svg", size, &window);
}

// A line is a filled strip two pixels wide, centred on the line through its end points.
QWidget *createLine(QWidget &window)
{
    auto *line = new QWidget(&window);
    line->setAutoFillBackground(true);
    setColours(*line, {{QPalette::Window, line->palette().color(QPalette::Text)}});
    return line;
}

// A caption wider than its box in this font would be cut off: the label then grows to the
// right until the whole caption shows. Its table geometry stays as designed.
void fitCaption(QWidget &control)
{
    auto *label = qobject_cast<QLabel *>(&control);
    const int needed =
        static_cast<int>(std::ceil(QFontMetricsF(label->font()).horizontalAdvance(label->text())));
    if (needed > label->width())
        label->resize(needed, label->height());
}

// The text boxes are barely taller than their font. Centring the font's whole line height, as
// the toolkit does, would cut off the descenders of "g" or "y", since that height also holds
// the room for accents above capitals. The capitals and digits stand in the middle of the box
// instead, raised where needed until the descenders end inside its one-pixel frame.
void fitTextBox(QWidget &control)
{
    auto *box = qobject_cast<QLineEdit *>(&control);
    const QFontMetricsF metrics(box->font());
    // the ink of capitals, digits and descenders around the baseline
    const QRectF ink = metrics.tightBoundingRect(QStringLiteral("H0gjpqy"));
    const double centred = (box->height() - ink.top()) / 2;
    const double lowest = box->height() - textBoxFrame - ink.bottom();
    const double baseline = std::min(centred, lowest);
    // A top-aligned line edit starts its line one pixel below the top of its contents.
    constexpr int lineEditMargin = 1;
    const int top = qRound(baseline - metrics.ascent()) - textBoxFrame - lineEditMargin;
    box->setTextMargins(0, top, 0, 0);
}

// The names and descriptions a screen reader reads; nothing on the screen changes. A caption
// label becomes the buddy of the control it names, which assistive technology reports as the
// control's label; the name itself is the caption without its indenting blanks.
void describeForAssistiveTechnology(QWidget &control, const ControlDesign &design,
                                    const QWidget &window)
{
    if (!design.caption.empty()) {
        auto *caption =
            window.findChild<QLabel *>(toQString(design.caption), Qt::FindDirectChildrenOnly);
        if (!caption)
            throw std::logic_error("no caption " + std::string(design.caption) + " before " +
                                   std::string(design.name));
        caption->setBuddy(&control);
        control.setAccessibleName(caption->text().simplified());
    }
    if (design.kind == ControlKind::Image)
        control.setAccessibleName(toQString(design.text));
    control.setAccessibleDescription(toQString(design.description));
}

} // namespace

QWidget *createControl(const ControlDesign &design, QWidget &window)
{
    QWidget *control = nullptr;
    switch (design.kind) {
    case ControlKind::Label:
        control = createLabel(design, window);
        break;
    case ControlKind::TextBox:
        control = createTextBox(design, window);
        break;
    case ControlKind::Button:
        control = createButton(design, window);
        break;
    case ControlKind::Surface:
        control = new SurfaceWidget(design.extent, &window);
        break;
    case ControlKind::Image:
        control = createImage(design, window);
        break;
    case ControlKind::Line:
        control = createLine(window);
        break;
    }
    control->setObjectName(toQString(design.name));
    applyFont(*control, design);
    const TwipsRect rect = controlRect(design);
    setTwipsGeometry(*control, rect.left, rect.top, rect.width, rect.height);
    if (design.kind == ControlKind::Label)
        fitCaption(*control);
    if (design.kind == ControlKind::TextBox)
        fitTextBox(*control);
    describeForAssistiveTechnology(*control, design, window);
    control->setVisible(design.atStart == AtStart::Visible);
    return control;
}

} // namespace quelbor
