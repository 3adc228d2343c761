#include "controlfactory.h"

#include "surfacewidget.h"
#include "svgpixmap.h"
#include "twips.h"
#include "twipsgeometry.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace quelbor {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor toQColor(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

Qt::Alignment horizontalAlignment(TextAlign align)
{
    switch (align) {
    case TextAlign::Centre:
        return Qt::AlignHCenter;
    case TextAlign::Right:
        return Qt::AlignRight;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

void applyFont(QWidget &control, const ControlSpec &spec)
{
    QFont font = control.font();
    if (spec.pointSize != windowFont)
        font.setPointSizeF(spec.pointSize);
    font.setBold(true);
    font.setUnderline(spec.style == TextStyle::Underlined);
    font.setItalic(spec.style == TextStyle::Italic);
    control.setFont(font);
}

QWidget *createLabel(const ControlSpec &spec, QWidget &window)
{
    auto *label = new QLabel(toQString(spec.text), &window);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(horizontalAlignment(spec.align) | Qt::AlignTop);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, toQColor(spec.colour));
    label->setPalette(palette);
    return label;
}

QWidget *createTextBox(const ControlSpec &spec, QWidget &window)
{
    auto *box = new QLineEdit(toQString(spec.text), &window);
    box->setAlignment(horizontalAlignment(spec.align) | Qt::AlignVCenter);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, toQColor(spec.colour));
    box->setPalette(palette);
    return box;
}

QWidget *createButton(const ControlSpec &spec, QWidget &window)
{
    auto *button = new QPushButton(toQString(spec.text), &window);
    button->setAutoDefault(false);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, Qt::white);
    palette.setColor(QPalette::ButtonText, toQColor(spec.colour));
    button->setPalette(palette);
    return button;
}

QWidget *createImage(const ControlSpec &spec, QWidget &window)
{
    auto *image = new QLabel(&window);
    const QSize size(twipsToPixels(spec.width), twipsToPixels(spec.height));
    image->setPixmap(
        svgPixmap(":/images/" + toQString(spec.name) + ".svg", size, window.devicePixelRatioF()));
    return image;
}

// A line is a filled strip two pixels wide, centred on the line through its end points.
QWidget *createLine(QWidget &window)
{
    auto *line = new QWidget(&window);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Text));
    line->setPalette(palette);
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

void placeLine(QWidget &line, const ControlSpec &spec)
{
    constexpr double halfWidthTwips = 15; // half of 2 pixels
    const double left = std::min(spec.left, spec.width);
    const double right = std::max(spec.left, spec.width);
    const double top = std::min(spec.top, spec.height);
    const double bottom = std::max(spec.top, spec.height);
    if (left == right)
        setTwipsGeometry(line, left - halfWidthTwips, top, 2 * halfWidthTwips, bottom - top);
    else
        setTwipsGeometry(line, left, top - halfWidthTwips, right - left, 2 * halfWidthTwips);
}

} // namespace

QWidget *createControl(const ControlSpec &spec, QWidget &window)
{
    QWidget *control = nullptr;
    switch (spec.kind) {
    case ControlKind::Label:
        control = createLabel(spec, window);
        break;
    case ControlKind::TextBox:
        control = createTextBox(spec, window);
        break;
    case ControlKind::Button:
        control = createButton(spec, window);
        break;
    case ControlKind::Surface:
        control = new SurfaceWidget(spec.extent, &window);
        break;
    case ControlKind::Image:
        control = createImage(spec, window);
        break;
    case ControlKind::Line:
        control = createLine(window);
        break;
    }
    control->setObjectName(toQString(spec.name));
    applyFont(*control, spec);
    if (spec.kind == ControlKind::Line)
        placeLine(*control, spec);
    else
        setTwipsGeometry(*control, spec.left, spec.top, spec.width, spec.height);
    if (spec.kind == ControlKind::Label)
        fitCaption(*control);
    control->setVisible(spec.atStart == AtStart::Visible);
    return control;
}

} // namespace quelbor
