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

OutputBuffer::OutputBuffer(std::FILE *output, TextEncoding encoding)
    : m_output(output)
    , m_encoding(encoding)
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
    if (m_encoding != TextEncoding::Utf8)
        encode();
    errno = 0;
    if (std::fwrite(m_text.data(), 1, m_text.size(), m_output) != m_text.size() ||
        std::fflush(m_output) != 0)
        throw OutputFailure(errno ? errno : EIO);
    m_text.clear();
}

// The text becomes its bytes in the output's encoding, in its place.
void OutputBuffer::encode()
{
    m_encoded.clear();
    encodeText(m_encoding, m_text, m_encoded);
    m_text.swap(m_encoded);
}

} // namespace quelbor
