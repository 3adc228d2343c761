#pragma once

namespace quelbor {

// The water-loading labels lbl_n1 ... lbl_n8 above the diffusivity chart, as the chart sees
// them: it moves them (left edge in twips) and shows them. index is 1 ... 8.
class LoadingLabels
{
public:
    virtual ~LoadingLabels() = default;

    virtual void setLabelLeft(int index, float leftTwips) = 0;
    virtual void showLabel(int index) = 0;
};

} // namespace quelbor
