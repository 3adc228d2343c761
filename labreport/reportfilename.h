#pragma once

#include <set>
#include <string>
#include <string_view>

namespace quelbor {

// File names for a series of reports, one per body, in one folder.
class ReportFileNames
{
public:
    // A name for the body's report ending in `extension` (".pdf"): the body's name with its
    // blanks collapsed; '/', '\' and the characters other systems refuse in names
    // (: * ? " < > |) and control characters become '-'; no leading dot or blank; at most
    // `longest` bytes before the extension, cut at a character's end. "Zeile N" (the table's
    // line) when nothing is left. A name given before (in any case of its ASCII letters) gets "
    // (2)", " (3)" ... added.
    std::string next(std::string_view body, long line, std::string_view extension);

    static constexpr std::size_t longest = 100;

private:
    std::set<std::string> m_given;
};

} // namespace quelbor
