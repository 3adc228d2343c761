#include "regionalsettings.h"

#include <clocale>
#include <langinfo.h>

namespace quelbor {

std::string regionalDecimalSeparator()
{
    const locale_t regional = newlocale(LC_NUMERIC_MASK, "", locale_t{});
    if (regional == locale_t{})
        return ".";
    std::string separator = nl_langinfo_l(RADIXCHAR, regional);
    freelocale(regional);
    return separator.empty() ? "." : separator;
}

} // namespace quelbor
