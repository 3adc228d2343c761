#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace quelbor {

// Collects output and writes it to a stream in large blocks. Throws std::runtime_error when
// the stream does not take it (a full disk, a closed pipe).
class OutputBuffer
{
public:
    explicit OutputBuffer(std::FILE *output);

    std::string &text() { return m_text; } // append here, then call written()
    void written();
    void flush();

private:
    std::FILE *m_output;
    std::string m_text;
};

} // namespace quelbor
