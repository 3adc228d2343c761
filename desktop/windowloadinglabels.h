#pragma once

#include "loadinglabels.h"

#include <array>

class QWidget;

namespace quelbor {

// The water-loading labels lbl_n1 ... lbl_n8 of a window, for the diffusivity chart. A label's
// left edge keeps the exact twips value it was given. The calculation's floating-point status
// flags are kept across each move and show.
class WindowLoadingLabels : public LoadingLabels
{
public:
    explicit WindowLoadingLabels(QWidget &window);

    void setLabelLeft(int index, float leftTwips) override;
    void showLabel(int index) override;

private:
    QWidget &label(int index) const;

    std::array<QWidget *, 8> m_labels{};
};

} // namespace quelbor
