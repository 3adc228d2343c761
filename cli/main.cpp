#include "calcreport.h"
#include "commandline.h"
#include "regionalsettings.h"
#include "version.h"

#include <iostream>

int main(int argc, char *argv[])
{
    std::string error;
    auto request =
        quelbor::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!request) {
        std::cerr << "quelbor-calc: " << error << "\n\n" << quelbor::usageText;
        return 2;
    }
    if (request->version) {
        std::cout << "quelbor-calc " << quelbor::projectVersion << '\n';
        return 0;
    }
    if (request->help) {
        std::cout << quelbor::usageText;
        return 0;
    }
    request->decimalSeparator = quelbor::regionalDecimalSeparator();
    const quelbor::CalcOutcome outcome = quelbor::runCalculation(*request);
    std::cout << outcome.json;
    return outcome.exitStatus;
}
