#include "batchtarget.h"

#include "workbooksheet.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <string_view>
#include <sys/stat.h>

namespace quelbor {

namespace {

// Every batch output names its first result column in its first line; these are its bytes in
// UTF-8 or Windows-1252, UTF-16LE and UTF-16BE, and the key of the JSON lines.
using namespace std::string_view_literals;
constexpr std::array resultMarks{
    "txt_psianf"sv,
    "t\0x\0t\0_\0p\0s\0i\0a\0n\0f\0"sv,
    "\0t\0x\0t\0_\0p\0s\0i\0a\0n\0f"sv,
    R"("results")"sv,
};

} // namespace

bool mayReplaceOutput(const std::string &path)
{
    struct stat status
    {
    };
    if (path.empty() || path == "-" || ::stat(path.c_str(), &status) != 0 ||
        !S_ISREG(status.st_mode) || status.st_size == 0)
        return true;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return true; // what cannot be read is no table of samples to keep either
    std::string start(1 << 16, '\0');
    file.read(start.data(), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<std::size_t>(file.gcount()));
    if (start.starts_with("PK\x03\x04")) {
        start = worksheetStart(path, 1 << 16);
        return start.substr(0, start.find("</row>")).find(">txt_psianf<") != std::string::npos;
    }
    start.resize(std::min(start.find('\n'), start.size()));
    for (const std::string_view mark : resultMarks) {
        if (start.find(mark) != std::string::npos)
            return true;
    }
    return false;
}

} // namespace quelbor
