#include "pagewindow.h"

#include "controltable.h"
#include "pagebridge.h"
#include "twips.h"
#include "windowdesign.h"
#include "windowframe.h"

#include <algorithm>
#include <stdexcept>

namespace quelbor {

namespace {

const ControlDesign &designOf(std::string_view name)
{
    const auto table = controlTable();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [name](const ControlDesign &row) { return row.name == name; });
    if (found == table.end())
        throw std::logic_error("no control " + std::string(name));
    return *found;
}

void require(bool done, std::string_view what, std::string_view name)
{
    if (!done)
        throw std::runtime_error(std::string(what) + " " + std::string(name));
}

std::string loadingLabel(int index)
{
    if (index < 1 || index > 8)
        throw std::out_of_range("water-loading label " + std::to_string(index));
    return "lbl_n" + std::to_string(index);
}

} // namespace

PageWindow::PageWindow()
    : m_kappa(std::make_unique<CanvasSurface>(designOf("pic_kappa")))
    , m_schwindung(std::make_unique<CanvasSurface>(designOf("pic_Schwindung")))
    , m_outerWidth(windowDesign::startClientWidth + standardFrameWidthTwips)
    , m_outerHeight(windowDesign::startClientHeight + standardFrameHeightTwips)
{}

void PageWindow::setControlVisible(std::string_view name, bool visible)
{
    require(page::setVisible(std::string(name), visible), "no control", name);
}

void PageWindow::setOuterWidthTwips(int twips)
{
    m_outerWidth = twips;
    resizeClient();
}

void PageWindow::setOuterHeightTwips(int twips)
{
    m_outerHeight = twips;
    resizeClient();
}

// The page's window has the frame of a standard window around its client area.
void PageWindow::resizeClient()
{
    require(
        page::setClientSize(twipsToPixels(m_outerWidth) - twipsToPixels(standardFrameWidthTwips),
                            twipsToPixels(m_outerHeight) - twipsToPixels(standardFrameHeightTwips)),
        "window", "size");
}

std::string PageWindow::controlText(std::string_view box) const
{
    designOf(box);
    return page::text(std::string(box));
}

void PageWindow::setControlText(std::string_view box, const std::string &text)
{
    require(page::setText(std::string(box), text), "no text box", box);
}

std::string PageWindow::decimalSeparator() const
{
    std::string separator = page::decimalSeparator();
    require(!separator.empty(), "no decimal separator", "from the page");
    return separator;
}

void PageWindow::setLabelLeft(int index, float leftTwips)
{
    const std::string name = loadingLabel(index);
    require(page::setLeft(name, twipsToPixels(leftTwips)), "no label", name);
}

void PageWindow::showLabel(int index)
{
    setControlVisible(loadingLabel(index), true);
}

} // namespace quelbor
