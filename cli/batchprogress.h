#pragma once

#include <chrono>
#include <cstdio>

namespace quelbor {

// Shows on a terminal how far a batch has come: rows done, rows per second, failed rows so
// far, rewritten in place about twice a second. Shows nothing when the stream is not a
// terminal.
class BatchProgress
{
public:
    explicit BatchProgress(std::FILE *terminal);

    void rowDone(bool failed)
    {
        ++m_rows;
        m_failed += failed;
        if (m_shown && m_rows % 4096 == 0)
            show(false);
    }
    void finish();

    long rows() const { return m_rows; }
    long failed() const { return m_failed; }

private:
    void show(bool last);

    std::FILE *m_terminal;
    bool m_shown;
    long m_rows = 0;
    long m_failed = 0;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastShown;
};

} // namespace quelbor
