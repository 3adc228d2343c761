#pragma once

#include <string>

namespace quelbor {

// The seven numeric input texts as the user typed them (UTF-8), one per input box.
struct InputTexts
{
    std::string rhoSE = "1850";
    std::string Xanf = "0,25";
    std::string Xmess = "0,185";
    std::string ksiSE = "6,2";
    std::string kappaMess = "45";
    std::string thetaMess = "20,5";
    std::string KappaSteig = "7";

    bool operator==(const InputTexts &) const = default;
};

} // namespace quelbor
