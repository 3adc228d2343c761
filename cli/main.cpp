#include "batchrun.h"
#include "batchtarget.h"
#include "calcreport.h"
#include "commandline.h"
#include "regionalsettings.h"
#include "safefile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sys/stat.h>

namespace {

// Opens the table named on the command line; "-" is standard input.
std::FILE *openTable(const std::string &name)
{
    if (name == "-")
        return stdin;
    std::FILE *file = std::fopen(name.c_str(), "rb");
    if (!file)
        std::cerr << "quelbor-calc: cannot open " << name << ": " << std::strerror(errno) << "\n";
    return file;
}

std::string outputName(const quelbor::BatchRequest &batch)
{
    return batch.output.empty() || batch.output == "-" ? "standard output" : batch.output;
}

// A workbook is written by name (libxlsxwriter), into SafeFile's temporary file: it needs a
// regular file or a new one, which standard output, a device or a FIFO is not.
bool refusedAsWorkbookTarget(const std::string &output)
{
    const bool standardOutput = output.empty() || output == "-";
    struct stat existing
    {
    };
    if (!standardOutput && (::stat(output.c_str(), &existing) != 0 || S_ISREG(existing.st_mode)))
        return false;
    std::cerr << "quelbor-calc: --format xlsx writes a workbook, which needs a file: "
              << (standardOutput ? "name it with --output FILE" : output + " is none")
              << "; nothing was written\n";
    return true;
}

// The output is written through a temporary file and replaces the old one only when the whole
// table was read and written: a table that cannot be read, a full disk or an interrupted run
// leaves the old output as it was.
int runBatch(const quelbor::BatchRequest &batch)
{
    std::FILE *table = openTable(batch.input);
    if (!table)
        return 2;
    if (quelbor::sameRegularFile(fileno(table), batch.output)) {
        std::cerr << "quelbor-calc: " << outputName(batch)
                  << " is the table being read, it cannot be the output too; nothing was written\n";
        return 2;
    }
    if (batch.format == quelbor::BatchFormat::Xlsx && refusedAsWorkbookTarget(batch.output))
        return 2;
    if (!batch.force && !quelbor::mayReplaceOutput(batch.output)) {
        std::cerr << "quelbor-calc: " << batch.output
                  << " holds no batch results (is it a table of samples?); nothing was written. "
                     "--force replaces it.\n";
        return 2;
    }
    try {
        quelbor::SafeFile output(batch.output);
        const int status =
            quelbor::runBatch(batch, quelbor::regionalDecimalSeparator(),
                              {table, output.stream(), stderr, output.temporaryPath()});
        if (status == 2)
            return 2;
        output.commit();
        return status;
    } catch (const quelbor::FileError &failure) {
        std::cerr << "quelbor-calc: cannot write " << failure.what() << "\n";
        return 2;
    }
}

// Standard output is checked to its last byte: onto a full device or a closed descriptor the
// tool says so and fails instead of ending with success and half a report.
int withOutputWritten(int status)
{
    errno = 0;
    std::cout.flush();
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::cerr << "quelbor-calc: cannot write standard output: "
                  << std::strerror(errno ? errno : EIO) << "\n";
        return 2;
    }
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    quelbor::removeTemporaryFilesOnSignals();
    std::string error;
    auto request =
        quelbor::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!request) {
        std::cerr << "quelbor-calc: " << error << "\nRun with --help for more information.\n";
        return 2;
    }
    if (request->help) {
        std::cout << quelbor::usageText();
        return withOutputWritten(0);
    }
    if (request->version) {
        std::cout << quelbor::versionText();
        return withOutputWritten(0);
    }
    if (request->batch)
        return withOutputWritten(runBatch(*request->batch));
    request->decimalSeparator = quelbor::regionalDecimalSeparator();
    const quelbor::CalcOutcome outcome = quelbor::runCalculation(*request);
    std::cout << outcome.json;
    return withOutputWritten(outcome.exitStatus);
}
