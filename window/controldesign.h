#pragma once

#include "drawingsurface.h"
#include "rgb.h"

#include <string_view>

namespace quelbor {

enum class ControlKind {
    Label,   // static text on white, no frame
    TextBox, // single-line editable text
    Button,  // command button with a white face
    Surface, // drawing surface with its own logical extent
    Image,   // fixed image ":/images/<name>.svg", box exactly the image's size
    Line,    // separator line, 2 pixels wide, in the window-text colour
};

enum class TextStyle { Plain, Underlined, Italic };
enum class TextAlign { Left, Centre, Right };
enum class AtStart { Visible, Hidden };

namespace textColours {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb darkRed{192, 0, 0};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb purple{64, 0, 64};
} // namespace textColours

// Font size that stands for the window's own font, Arial 12 pt bold.
inline constexpr double windowFont = 0;

// What a screen reader says of a text box's content, told apart by the description.
namespace accessibleDescriptions {
inline constexpr std::string_view calculatedInput = "Eingabe für die Berechnung";
inline constexpr std::string_view uncalculatedInput = "Eingabe, geht nicht in die Berechnung ein";
inline constexpr std::string_view calculatedResult = "Berechnetes Ergebnis";
} // namespace accessibleDescriptions

// One control of the main window as designed. Positions and sizes are twips in the window's
// client area: Left, Top, Width, Height of the outer rectangle; for a Line the four numbers are
// the x and y of its start and the x and y of its end. Every text is Arial bold.
// For assistive technology (screen readers) a text box or chart names the label given as its
// caption, which is made before it; an image is named by its text, what it shows; a button by
// its text. Labels and lines have neither caption nor description.
struct ControlDesign
{
    std::string_view name;
    ControlKind kind;
    std::string_view text; // UTF-8: caption, default text, or empty
    int left;
    int top;
    int width;
    int height;
    double pointSize; // windowFont for the window's own font
    TextStyle style;
    Rgb colour;
    TextAlign align;
    AtStart atStart;
    std::string_view caption{};     // object name of the label naming a text box or chart
    std::string_view description{}; // what the control is for, to assistive technology
    LogicalExtent extent{};         // surfaces only
};

} // namespace quelbor
