#include "outputbuffer.h"

#include <stdexcept>

namespace quelbor {

namespace {
constexpr std::size_t blockBytes = 1 << 16;
}

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
    if (std::fwrite(m_text.data(), 1, m_text.size(), m_output) != m_text.size() ||
        std::fflush(m_output) != 0)
        throw std::runtime_error("cannot write the output");
    m_text.clear();
}

} // namespace quelbor
