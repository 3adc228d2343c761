#pragma once

class QWidget;

namespace quelbor {

// Controls are laid out in twips. These place a widget by its outer rectangle in twips within
// its parent's client area and keep the twips values on the widget as the properties
// "leftTwips", "topTwips", "widthTwips" and "heightTwips", exactly as given, so the layout
// can be read back without the rounding to pixels.
void setTwipsGeometry(QWidget &widget, double left, double top, double width, double height);
// Moves a widget horizontally; its top and size stay.
void setLeftTwips(QWidget &widget, double left);
double leftTwips(const QWidget &widget);
double topTwips(const QWidget &widget);
double widthTwips(const QWidget &widget);
double heightTwips(const QWidget &widget);

} // namespace quelbor
