#pragma once

#include "loadinglabels.h"

namespace quelbor {

// Water-loading labels that are shown nowhere: the chart's calls on them have no effect.
class DiscardingLabels : public LoadingLabels
{
public:
    void setLabelLeft(int, float) override {}
    void showLabel(int) override {}
};

} // namespace quelbor
