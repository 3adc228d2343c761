#include "batchprogress.h"

#include <unistd.h>

namespace quelbor {

BatchProgress::BatchProgress(std::FILE *terminal)
    : m_terminal(terminal)
    , m_shown(isatty(fileno(terminal)) == 1)
    , m_start(std::chrono::steady_clock::now())
    , m_lastShown(m_start)
{}

void BatchProgress::operator()(const BatchCounts &counts)
{
    const auto now = std::chrono::steady_clock::now();
    if (!m_shown || counts.rows == 0 ||
        (!counts.finished && now - m_lastShown < std::chrono::milliseconds(500)))
        return;
    m_lastShown = now;
    const double seconds = std::chrono::duration<double>(now - m_start).count();
    std::fprintf(m_terminal, "\r%ld rows, %.0f rows/s, %ld failed%s", counts.rows,
                 seconds > 0 ? static_cast<double>(counts.rows) / seconds : 0.0, counts.failed,
                 counts.finished ? "\n" : "");
    std::fflush(m_terminal);
}

} // namespace quelbor
