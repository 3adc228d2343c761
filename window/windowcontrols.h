#pragma once

#include "drawingsurface.h"
#include "loadinglabels.h"

#include <string>
#include <string_view>

namespace quelbor {

// What the button actions do to the main window, whatever shows it (the Qt window, the web
// page). Controls are named as in the control table; sizes are twips. Every operation that
// fails throws.
class WindowControls
{
public:
    virtual ~WindowControls() = default;

    virtual void setControlVisible(std::string_view name, bool visible) = 0;
    // The window's outer size, frame included.
    virtual void setOuterWidthTwips(int twips) = 0;
    virtual void setOuterHeightTwips(int twips) = 0;
    virtual std::string controlText(std::string_view box) const = 0;
    virtual void setControlText(std::string_view box, const std::string &text) = 0;
    // The decimal separator of the user's regional settings, for the results.
    virtual std::string decimalSeparator() const = 0;
    // Repaints the window with all its controls and surfaces at once.
    virtual void refresh() = 0;
    virtual void setPersistentDrawing(bool on) = 0;
    // The surfaces pic_kappa and pic_Schwindung.
    virtual DrawingSurface &kappaChart() = 0;
    virtual DrawingSurface &schwindungChart() = 0;
    virtual LoadingLabels &loadingLabels() = 0;
};

} // namespace quelbor
