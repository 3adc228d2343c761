#pragma once

#include "batchrun.h"

#include <chrono>
#include <cstdio>

namespace quelbor {

// Shows on a terminal how far a batch has come: rows done, rows per second, failed rows so
// far, rewritten in place about twice a second; a batch's progress hook. Shows nothing when
// the stream is not a terminal.
class BatchProgress
{
public:
    explicit BatchProgress(std::FILE *terminal);

    void operator()(const BatchCounts &counts);

private:
    std::FILE *m_terminal;
    bool m_shown;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastShown;
};

} // namespace quelbor
