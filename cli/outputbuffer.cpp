#include "outputbuffer.h"

#include <cerrno>
#include <cstring>

namespace quelbor {

namespace {
constexpr std::size_t blockBytes = 1 << 16;
}

OutputFailure::OutputFailure(int error)
    : std::runtime_error(std::strerror(error))
    , error(error)
{}

OutputBuffer::OutputBuffer(std::FILE *output)
    : m_output(output)
{
    m_text.reserve(2 * blockBytes);
}

void OutputBuffer::written()
{
    if (m_text.size() >= blockBytes)
        flush();
}

void OutputBuffer::flush()
{
    errno = 0;
    if (std::fwrite(m_text.data(), 1, m_text.size(), m_output) != m_text.size() ||
        std::fflush(m_output) != 0)
        throw OutputFailure(errno ? errno : EIO);
    m_text.clear();
}

} // namespace quelbor
