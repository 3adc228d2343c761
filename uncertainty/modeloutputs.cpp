#include "modeloutputs.h"

#include "characteristics.h"
#include "displayedresults.h"

#include <limits>

namespace quelbor {

const std::array<const char *, outputCount> &outputNames()
{
    static const std::array<const char *, outputCount> names = [] {
        std::array<const char *, outputCount> list{};
        const auto shown = displayedResults(DryingModel{});
        static_assert(std::tuple_size_v<decltype(shown)> == outputCount);
        for (std::size_t i = 0; i < outputCount; ++i)
            list[i] = shown[i].box + 4; // without "txt_"
        return list;
    }();
    return names;
}

std::optional<ErrorKind> computeOutputs(const InputValues &values, OutputValues &outputs)
{
    constexpr double notReached = std::numeric_limits<double>::quiet_NaN();
    DryingModel model;
    model.psianf = model.XSE = model.psiSE = model.psi25 = notReached;
    model.kappa2525 = model.kappaGrenz = notReached;
    std::optional<ErrorKind> error;
    try {
        computeCharacteristics(model, values);
    } catch (const CalculationError &failure) {
        error = failure.kind();
    }
    const auto shown = displayedResults(model);
    for (std::size_t i = 0; i < outputCount; ++i)
        outputs[i] = shown[i].value;
    return error;
}

} // namespace quelbor
