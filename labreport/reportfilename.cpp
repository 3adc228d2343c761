#include "reportfilename.h"

#include <algorithm>
#include <string>

namespace quelbor {

namespace {

constexpr std::string_view refused = "/\\:*?\"<>|";

bool isControl(unsigned char character)
{
    return character < 0x20 || character == 0x7f;
}

std::string cleaned(std::string_view body)
{
    std::string name;
    for (const char character : body) {
        const bool blank = character == ' ' || character == '\t';
        if (blank && (name.empty() || name.back() == ' '))
            continue;
        if (blank)
            name += ' ';
        else if (isControl(static_cast<unsigned char>(character)) ||
                 refused.find(character) != std::string_view::npos)
            name += '-';
        else if (character != '.' || !name.empty())
            name += character;
    }
    return name;
}

// Cut at most `bytes` long, never inside a UTF-8 sequence, without blanks at the end.
std::string cut(std::string name, std::size_t bytes)
{
    if (name.size() > bytes) {
        std::size_t end = bytes;
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xc0) == 0x80)
            --end;
        name.resize(end);
    }
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

// Names that differ only in the case of ASCII letters are one file on some disks.
std::string folded(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(), [](char character) {
        return character >= 'A' && character <= 'Z' ? char(character - 'A' + 'a') : character;
    });
    return name;
}

} // namespace

std::string ReportFileNames::next(std::string_view body, long line, std::string_view extension)
{
    std::string base = cut(cleaned(body), longest);
    if (base.empty())
        base = "Zeile " + std::to_string(line);
    std::string name = base + std::string(extension);
    for (int copy = 2; m_given.contains(folded(name)); ++copy)
        name = base + " (" + std::to_string(copy) + ")" + std::string(extension);
    m_given.insert(folded(name));
    return name;
}

} // namespace quelbor
