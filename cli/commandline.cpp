#include "commandline.h"

#include <array>
#include <string_view>

namespace quelbor {

namespace {

struct InputOption
{
    std::string_view name;
    std::string InputTexts::*text;
};

const std::array<InputOption, 7> inputOptions{{
    {"rhoSE", &InputTexts::rhoSE},
    {"Xanf", &InputTexts::Xanf},
    {"Xmess", &InputTexts::Xmess},
    {"ksiSE", &InputTexts::ksiSE},
    {"kappaMess", &InputTexts::kappaMess},
    {"thetaMess", &InputTexts::thetaMess},
    {"KappaSteig", &InputTexts::KappaSteig},
}};

} // namespace

const char *const usageText =
    "Usage: quelbor-calc [--INPUT=TEXT]... [--charts]\n"
    "  or:  quelbor-calc --help | --version\n"
    "\n"
    "Computes the drying characteristics of one body and prints them as JSON. Each input is\n"
    "read as the window reads it (decimal comma or point); an input not given takes the\n"
    "window's default text.\n"
    "\n"
    "Options:\n"
    "  --rhoSE       density of the dried body in kg/m3            (default 1850)\n"
    "  --Xanf        initial water loading in kg/kg                 (default 0,25)\n"
    "  --Xmess       water loading of the diffusivity measurement   (default 0,185)\n"
    "  --ksiSE       linear drying shrinkage in %                   (default 6,2)\n"
    "  --kappaMess   measured diffusivity in 1e-9 m2/s              (default 45)\n"
    "  --thetaMess   temperature of the measurement in degC         (default 20,5)\n"
    "  --KappaSteig  slope of log10 kappa below the limit moisture  (default 7)\n"
    "  --charts      also draw both charts and print their labels and lines\n"
    "  -h, --help    print this help and exit\n"
    "  --version     print the version and exit\n"
    "\n"
    "Exit status: 0 calculated, 1 calculation error (reported in the JSON), 2 bad usage.\n";

std::optional<CalcRequest> parseCommandLine(const std::vector<std::string> &arguments,
                                            std::string &error)
{
    CalcRequest request;
    for (const std::string &argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            request.help = true;
            continue;
        }
        if (argument == "--version") {
            request.version = true;
            continue;
        }
        if (argument == "--charts") {
            request.charts = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.rfind("--", 0) == 0 && equals != std::string::npos
                                          ? std::string_view(argument).substr(2, equals - 2)
                                          : std::string_view();
        bool known = false;
        for (const InputOption &option : inputOptions) {
            if (option.name == name) {
                request.texts.*option.text = argument.substr(equals + 1);
                known = true;
            }
        }
        if (!known) {
            error = "unknown option: " + argument;
            return std::nullopt;
        }
    }
    return request;
}

} // namespace quelbor
