#include "outersize.h"

#include "twips.h"
#include "windowframe.h"

#include <QWidget>

namespace quelbor {

QSize windowFrame(const QWidget &window)
{
    const QSize reported = window.frameGeometry().size() - window.geometry().size();
    if (reported.width() > 0 || reported.height() > 0)
        return reported;
    return {twipsToPixels(standardFrameWidthTwips), twipsToPixels(standardFrameHeightTwips)};
}

void setOuterWidthTwips(QWidget &window, int twips)
{
    window.resize(twipsToPixels(twips) - windowFrame(window).width(), window.height());
}

void setOuterHeightTwips(QWidget &window, int twips)
{
    window.resize(window.width(), twipsToPixels(twips) - windowFrame(window).height());
}

QSize outerSizeTwips(const QWidget &window)
{
    const QSize outer = window.size() + windowFrame(window);
    return {static_cast<int>(pixelsToTwips(outer.width())),
            static_cast<int>(pixelsToTwips(outer.height()))};
}

} // namespace quelbor
