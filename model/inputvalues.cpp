#include "inputvalues.h"

#include "parsedecimal.h"

namespace quelbor {

InputValues enteredValues(const InputTexts &texts)
{
    return {ParseDecimal(texts.rhoSE),     ParseDecimal(texts.Xanf),
            ParseDecimal(texts.Xmess),     ParseDecimal(texts.ksiSE),
            ParseDecimal(texts.kappaMess), ParseDecimal(texts.thetaMess),
            ParseDecimal(texts.KappaSteig)};
}

} // namespace quelbor
