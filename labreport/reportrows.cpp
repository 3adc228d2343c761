#include "reportrows.h"

#include "controltable.h"

#include <algorithm>
#include <stdexcept>

namespace quelbor {

namespace {

struct Section
{
    const char *heading;
    std::vector<const char *> boxes;
    bool inputs;
};

const Section sections[] = {
    {"lbl_EingMessdaten",
     {"txt_rhoSE", "txt_Xanf", "txt_ksiSE", "txt_kappaMess", "txt_thetaMess", "txt_Xmess",
      "txt_KappaSteig"},
     true},
    {"lbl_Ergebnisse",
     {"txt_psianf", "txt_XSE", "txt_psiSE", "txt_psi25", "txt_kappa2525", "txt_kappaGrenz"},
     false},
};

const ControlDesign &design(std::string_view name)
{
    const auto controls = controlTable();
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [name](const ControlDesign &c) { return c.name == name; });
    if (found == controls.end())
        throw std::logic_error("no control " + std::string(name));
    return *found;
}

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string withSeparator(const std::string &number, std::string_view separator)
{
    std::string written;
    for (char character : number) {
        if (character == ',' || character == '.')
            written += separator;
        else
            written += character;
    }
    return written;
}

ReportRow row(const char *box, const BoxText &boxText, std::string_view separator, bool input)
{
    ReportRow row = captionRow(box);
    const std::string value = boxText(box);
    row.value = input ? withSeparator(value, separator) : value;
    return row;
}

} // namespace

ReportRow captionRow(std::string_view box)
{
    const std::string_view caption = design(design(box).caption).text;
    ReportRow row{trimmed(caption), {}, {}, caption.starts_with(' ')};
    const auto unitAt = row.caption.rfind(" in ");
    if (unitAt != std::string::npos) {
        row.unit = row.caption.substr(unitAt + 4);
        row.caption.erase(unitAt);
    }
    return row;
}

std::string windowCaption(std::string_view name)
{
    return trimmed(design(name).text);
}

std::vector<ReportSection> reportSections(const BoxText &boxText, std::string_view separator)
{
    std::vector<ReportSection> result;
    for (const Section &section : sections) {
        ReportSection &added =
            result.emplace_back(ReportSection{windowCaption(section.heading), {}});
        for (const char *box : section.boxes)
            added.rows.push_back(row(box, boxText, separator, section.inputs));
    }
    return result;
}

} // namespace quelbor
