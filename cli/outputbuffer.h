#pragma once

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
// stream does not take it (a full disk, a closed pipe).
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
