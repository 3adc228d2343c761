#pragma once

#include "loadinglabels.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace quelbor {

// Keeps every call the chart makes on its water-loading labels, in order.
class RecordingLabels : public LoadingLabels
{
public:
    struct Call
    {
        enum class Kind { Left, Show };
        Kind kind = Kind::Left;
        int index = 0;
        float left = 0; // for Left: the position handed over
    };

    void setLabelLeft(int index, float leftTwips) override
    {
        m_calls.push_back({Call::Kind::Left, index, leftTwips});
    }
    void showLabel(int index) override { m_calls.push_back({Call::Kind::Show, index, 0}); }

    const std::vector<Call> &calls() const { return m_calls; }

    // Indexes shown, in the order they were shown.
    std::vector<int> shown() const
    {
        std::vector<int> result;
        for (const Call &call : m_calls) {
            if (call.kind == Call::Kind::Show)
                result.push_back(call.index);
        }
        return result;
    }

    // Positions handed over, in call order, with the index of each.
    std::vector<Call> moves() const
    {
        std::vector<Call> result;
        std::copy_if(m_calls.begin(), m_calls.end(), std::back_inserter(result),
                     [](const Call &call) { return call.kind == Call::Kind::Left; });
        return result;
    }

private:
    std::vector<Call> m_calls;
};

} // namespace quelbor
