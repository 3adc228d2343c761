#pragma once

#include "uncertaintyevaluation.h"

#include <QString>

#include <optional>
#include <variant>

class QCommandLineParser;

namespace quelbor {

// The measurement uncertainty `quelbor --export` adds to a report, stated as quelbor-calc
// states it: --u-rhoSE=20 --u-ksiSE=3% --dist-thetaMess=rect --trials N --seed S.
struct ExportUncertainty
{
    StatedUncertainties stated;
    UncertaintySettings settings;
};

void addUncertaintyOptions(QCommandLineParser &parser);

// None when no uncertainty option is given; an error text when one is not understood.
std::variant<std::monostate, ExportUncertainty, QString>
readUncertaintyOptions(const QCommandLineParser &parser);

} // namespace quelbor
