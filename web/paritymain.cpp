// The calculation's JSON report of one calculation, compiled to WebAssembly from the same
// sources as the page, for comparing the two builds under node. It is a module of its own and
// not part of the page: the JSON library's stream set-up would add a tenth of a second to every
// opening of the page.
#include "calcreport.h"
#include "handedback.h"

#include <emscripten.h>

#include <string>

extern "C" {

// One calculation of the seven input texts on a fresh model, reported with its charts exactly
// as quelbor-calc --charts reports it. The text stays valid until the next call.
EMSCRIPTEN_KEEPALIVE const char *
quelbor_calculation_json(const char *rhoSE, const char *Xanf, const char *Xmess, const char *ksiSE,
                         const char *kappaMess, const char *thetaMess, const char *KappaSteig,
                         const char *separator)
{
    quelbor::ReportRequest request;
    request.texts = {rhoSE, Xanf, Xmess, ksiSE, kappaMess, thetaMess, KappaSteig};
    request.charts = true;
    request.decimalSeparator = separator;
    return quelbor::handedBack(quelbor::runCalculation(request).json);
}
}
