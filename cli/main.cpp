#include "batchrun.h"
#include "calcreport.h"
#include "commandline.h"
#include "regionalsettings.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

// Opens a file named on the command line; "-" and an empty name are the standard stream.
std::FILE *openStream(const std::string &name, std::FILE *standard, const char *mode)
{
    if (name.empty() || name == "-")
        return standard;
    std::FILE *file = std::fopen(name.c_str(), mode);
    if (!file)
        std::cerr << "quelbor-calc: cannot open " << name << ": " << std::strerror(errno) << "\n";
    return file;
}

int runBatch(const quelbor::BatchRequest &batch)
{
    std::FILE *table = openStream(batch.input, stdin, "rb");
    if (!table)
        return 2;
    std::FILE *output = openStream(batch.output, stdout, "wb");
    if (!output)
        return 2;
    const int status =
        quelbor::runBatch(batch, quelbor::regionalDecimalSeparator(), {table, output, stderr});
    if (output != stdout && std::fclose(output) != 0) {
        std::cerr << "quelbor-calc: cannot write " << batch.output << "\n";
        return 2;
    }
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    std::string error;
    auto request =
        quelbor::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!request) {
        std::cerr << "quelbor-calc: " << error << "\nRun with --help for more information.\n";
        return 2;
    }
    if (request->help) {
        std::cout << quelbor::usageText();
        return 0;
    }
    if (request->version) {
        std::cout << quelbor::versionText();
        return 0;
    }
    if (request->batch)
        return runBatch(*request->batch);
    request->decimalSeparator = quelbor::regionalDecimalSeparator();
    const quelbor::CalcOutcome outcome = quelbor::runCalculation(*request);
    std::cout << outcome.json;
    return outcome.exitStatus;
}
