#pragma once

#include "canvassurface.h"
#include "windowcontrols.h"

#include <memory>

namespace quelbor {

// The main window as the web page shows it: every operation of the button actions goes to the
// page's toolkit, sizes and positions turned from twips into CSS pixels here, 15 twips each.
class PageWindow : public WindowControls, private LoadingLabels
{
public:
    PageWindow();

    void setControlVisible(std::string_view name, bool visible) override;
    void setOuterWidthTwips(int twips) override;
    void setOuterHeightTwips(int twips) override;
    std::string controlText(std::string_view box) const override;
    void setControlText(std::string_view box, const std::string &text) override;
    std::string decimalSeparator() const override;
    // The browser repaints the page when the action returns; what was drawn is on the canvases
    // already.
    void refresh() override {}
    // A canvas keeps its drawing across every repaint of the page.
    void setPersistentDrawing(bool) override {}
    DrawingSurface &kappaChart() override { return *m_kappa; }
    DrawingSurface &schwindungChart() override { return *m_schwindung; }
    LoadingLabels &loadingLabels() override { return *this; }

private:
    void setLabelLeft(int index, float leftTwips) override;
    void showLabel(int index) override;
    void resizeClient();

    std::unique_ptr<CanvasSurface> m_kappa;
    std::unique_ptr<CanvasSurface> m_schwindung;
    int m_outerWidth;
    int m_outerHeight;
};

} // namespace quelbor
