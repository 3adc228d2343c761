#include "comparisonfile.h"

#include "comparisontable.h"
#include "safefile.h"

namespace quelbor {

void saveComparisonTable(std::span<const ComparedBody> bodies, const std::string &path)
{
    const std::string text = comparisonTableText(bodies);
    SafeFile file(path);
    file.write(text.data(), text.size());
    file.commit();
}

} // namespace quelbor
