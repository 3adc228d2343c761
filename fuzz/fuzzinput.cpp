#include "fuzzinput.h"

#include <array>
#include <string>
#include <string_view>

namespace quelbor {

InputTexts inputTextsFromBytes(const std::uint8_t *data, std::size_t size)
{
    InputTexts texts;
    const std::array<std::string *, 7> fields = {
        &texts.rhoSE,     &texts.Xanf,      &texts.Xmess,     &texts.ksiSE,
        &texts.kappaMess, &texts.thetaMess, &texts.KappaSteig};
    std::string_view rest(reinterpret_cast<const char *>(data), size);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const bool last = i + 1 == fields.size();
        const std::size_t end = last ? std::string_view::npos : rest.find(fieldSeparator);
        *fields[i] = std::string(rest.substr(0, end));
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    return texts;
}

} // namespace quelbor
