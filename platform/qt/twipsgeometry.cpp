#include "twipsgeometry.h"

#include "twips.h"

#include <QVariant>
#include <QWidget>

namespace quelbor {

namespace {

constexpr const char *leftProperty = "leftTwips";
constexpr const char *topProperty = "topTwips";
constexpr const char *widthProperty = "widthTwips";
constexpr const char *heightProperty = "heightTwips";

double twipsProperty(const QWidget &widget, const char *name)
{
    return widget.property(name).toDouble();
}

} // namespace

void setTwipsGeometry(QWidget &widget, double left, double top, double width, double height)
{
    widget.setProperty(leftProperty, left);
    widget.setProperty(topProperty, top);
    widget.setProperty(widthProperty, width);
    widget.setProperty(heightProperty, height);
    widget.setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                       twipsToPixels(height));
}

void setLeftTwips(QWidget &widget, double left)
{
    widget.setProperty(leftProperty, left);
    widget.move(twipsToPixels(left), widget.y());
}

double leftTwips(const QWidget &widget)
{
    return twipsProperty(widget, leftProperty);
}

double topTwips(const QWidget &widget)
{
    return twipsProperty(widget, topProperty);
}

double widthTwips(const QWidget &widget)
{
    return twipsProperty(widget, widthProperty);
}

double heightTwips(const QWidget &widget)
{
    return twipsProperty(widget, heightProperty);
}

} // namespace quelbor
