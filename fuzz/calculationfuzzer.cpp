// libFuzzer entry point: arbitrary bytes as the seven input texts of the window, through the
// calculation, the result texts and both charts, then a second calculation with the default
// texts on the same window state (model and water-loading scale). The press of a batch row,
// which skips the charts where they cannot fail, must report the same as the first. The only
// outcomes allowed are a finished calculation and a CalculationError of one of our kinds. Anything
// else stops the fuzzer: a crash or undefined behaviour (the sanitizers), an exception of another
// type (it escapes), a coordinate or label position that is not a finite number, or a default
// calculation that does not give the default results.

#include "calculationrecord.h"
#include "displayedresults.h"
#include "fuzzinput.h"
#include "modelfields.h"
#include "outcomefeatures.h"
#include "parsedecimal.h"
#include "windowcalculation.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace quelbor;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "quelbor fuzz: %s\n", what);
    std::fflush(stderr);
    __builtin_trap();
}

void require(bool condition, const char *what)
{
    if (!condition)
        fail(what);
}

bool isOurKind(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::InvalidArgument:
    case ErrorKind::Overflow:
    case ErrorKind::SubscriptOutOfRange:
    case ErrorKind::DivisionByZero:
    case ErrorKind::FloatingPoint:
        return true;
    }
    return false;
}

bool allCoordinatesFinite(const RecordingSurface &surface)
{
    for (const SurfaceOperation &op : surface.operations()) {
        if (!std::isfinite(op.x1) || !std::isfinite(op.y1) || !std::isfinite(op.x2) ||
            !std::isfinite(op.y2))
            return false;
    }
    return true;
}

bool allPositionsFinite(const RecordingLabels &labels)
{
    for (const RecordingLabels::Call &call : labels.moves()) {
        if (!std::isfinite(call.left))
            return false;
    }
    return true;
}

// Every text reads as a finite number or fails with an overflow, also those the calculation
// does not reach because an earlier one ends it.
void checkParse(const InputTexts &texts)
{
    for (const std::string *text : {&texts.rhoSE, &texts.Xanf, &texts.Xmess, &texts.ksiSE,
                                    &texts.kappaMess, &texts.thetaMess, &texts.KappaSteig}) {
        try {
            require(std::isfinite(ParseDecimal(*text)),
                    "a text reads as a number that is not finite");
        } catch (const CalculationError &error) {
            require(error.kind() == ErrorKind::Overflow,
                    "a text fails to read other than by overflow");
        }
    }
}

// What holds for every press, whatever the texts.
void checkRecord(const CalculationRecord &record)
{
    if (record.error)
        require(isOurKind(*record.error), "a calculation error of an unknown kind");
    else
        require(record.results.size() == 6, "a finished calculation without its six results");
    require(record.windowRefreshes == (record.error ? 0 : 1),
            "the window refresh is not the last step of a finished calculation");
    require(allCoordinatesFinite(record.kappa),
            "a coordinate that is not a finite number reached the diffusivity chart");
    require(allCoordinatesFinite(record.schwindung),
            "a coordinate that is not a finite number reached the shrinkage chart");
    require(allPositionsFinite(record.labels),
            "a label position that is not a finite number reached a water-loading label");
}

struct DefaultCalculation
{
    CalculationRecord record;
    DryingModel model;
};

// The default texts in a fresh window, checked against the figures the window shows for them.
DefaultCalculation computeDefaults()
{
    WindowCalculation window;
    DefaultCalculation calculation{window.press(InputTexts{}), window.model()};
    checkRecord(calculation.record);
    require(!calculation.record.error, "the default texts do not give a finished calculation");
    const std::vector<std::string> shown = {"0,382", "0,136", "0,251", "0,382", "74,2", "32,0"};
    require(calculation.record.results == shown,
            "the default texts do not give the default results");
    require(std::fabs(calculation.model.psianf - 0.381698) < 5e-7,
            "the default texts do not give psianf 0.381698");
    return calculation;
}

const DefaultCalculation &defaults()
{
    static const DefaultCalculation once = computeDefaults();
    return once;
}

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// A calculation with the default texts after any other gives the default results to the last
// bit and draws the same charts. Only the label positions of the loadings the defaults do not
// reach (0.7 and 0.8) may differ: they keep what an earlier calculation left.
void checkDefaultsAgain(const CalculationRecord &record, const DryingModel &model)
{
    const DefaultCalculation &expected = defaults();
    require(!record.error, "the default texts fail after another calculation");
    require(record.results == expected.record.results,
            "the default texts give other result texts after another calculation");
    const auto values = displayedResults(model);
    const auto expectedValues = displayedResults(expected.model);
    for (std::size_t i = 0; i < values.size(); ++i) {
        require(sameBits(values[i].value, expectedValues[i].value),
                "the default texts give other results after another calculation");
    }
    require(record.kappa.operations() == expected.record.kappa.operations(),
            "the default texts draw another diffusivity chart after another calculation");
    require(record.schwindung.operations() == expected.record.schwindung.operations(),
            "the default texts draw another shrinkage chart after another calculation");
    require(record.labels.shown() == expected.record.labels.shown(),
            "the default texts show other water-loading labels after another calculation");
    const auto moves = record.labels.moves();
    const auto expectedMoves = expected.record.labels.moves();
    require(moves.size() == expectedMoves.size(), "the default texts move other labels");
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const bool reachedByDefaults = moves[i].index <= 6;
        require(moves[i].index == expectedMoves[i].index &&
                    (!reachedByDefaults || moves[i].left == expectedMoves[i].left),
                "the default texts place the water-loading labels elsewhere after another "
                "calculation");
    }
}

bool sameModel(const DryingModel &a, const DryingModel &b)
{
    const auto fieldsA = modelFields(a);
    const auto fieldsB = modelFields(b);
    return std::equal(
        fieldsA.begin(), fieldsA.end(), fieldsB.begin(),
        [](const ModelField &x, const ModelField &y) { return sameBits(x.value, y.value); });
}

bool sameScale(const LoadingScale &a, const LoadingScale &b)
{
    return std::equal(a.psiMarks.begin(), a.psiMarks.end(), b.psiMarks.begin(), sameBits) &&
           sameBits(a.XlastPlotted, b.XlastPlotted);
}

// The press of a batch row gives what the window's press gave: the error, the result texts,
// every model value to the last bit, and the water-loading table when it is asked for.
void checkBatchPress(const InputTexts &texts, const WindowCalculation &window,
                     const CalculationRecord &record)
{
    for (const bool withLoadingScale : {true, false}) {
        WindowCalculation batch;
        std::vector<std::string> results;
        const auto error = batch.pressUnseen(texts, results, withLoadingScale);
        require(error == record.error && results == record.results &&
                    sameModel(batch.model(), window.model()) &&
                    (!withLoadingScale || sameScale(batch.scale(), window.scale())),
                "a batch row reports other than the window's press");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    defaults();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const InputTexts texts = inputTextsFromBytes(data, size);
    checkParse(texts);

    WindowCalculation window;
    const CalculationRecord first = window.press(texts);
    checkRecord(first);
    countOutcome(first);
    checkBatchPress(texts, window, first);

    const CalculationRecord again = window.press(InputTexts{});
    checkRecord(again);
    countOutcome(again);
    checkDefaultsAgain(again, window.model());
    return 0;
}
