#pragma once

#include "textencoding.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quelbor {

// The stream did not take the output; `error` is the system's error number.
struct OutputFailure : std::runtime_error
{
    explicit OutputFailure(int error);
    int error;
};

// Collects output and writes it to a stream in large blocks. Throws OutputFailure when the
// stream does not take it (a full disk, a closed pipe). The text is UTF-8 and written in
// `encoding` (see encodeText); it is flushed only after whole lines, so no character is cut.
class OutputBuffer
{
public:
    explicit OutputBuffer(std::FILE *output, TextEncoding encoding = TextEncoding::Utf8);

    std::string &text() { return m_text; } // append here, then call written()
    void written();
    void flush();

private:
    void encode();

    std::FILE *m_output;
    TextEncoding m_encoding;
    std::string m_text;
    std::string m_encoded;
};

} // namespace quelbor
