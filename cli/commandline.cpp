#include "commandline.h"

#include "inputfields.h"
#include "version.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>

namespace quelbor {

namespace {

const char *const description =
    "Computes the drying characteristics of one body and prints them as JSON, or with --batch "
    "those of every row of a table. Each input is read as the window reads it (decimal comma "
    "or point); an input not given takes the window's default text.";

const char *const exitStatuses =
    "Exit status: 0 calculated, 1 calculation error (reported in the output; with --batch: "
    "some row failed), 2 bad usage, a table that cannot be read, or an output that cannot be "
    "written (an existing output file then keeps its contents).";

// What the uncertainty options hold as text until they are read.
struct UncertaintyTexts
{
    std::array<std::string, inputFields.size()> amounts;
    std::array<std::string, inputFields.size()> distributions;
    long trials = 0;
};

void addUncertaintyOptions(CLI::App &app, UncertaintyTexts &texts, std::uint64_t &seed)
{
    for (std::size_t in = 0; in < inputFields.size(); ++in) {
        const std::string name = inputFields[in].name;
        app.add_option("--u-" + name, texts.amounts[in],
                       "standard uncertainty of " + name +
                           " in its unit, or in % of its value (3%); default 0: exact")
            ->type_name("U");
        app.add_option("--dist-" + name, texts.distributions[in],
                       "distribution of " + name + ": normal (default), rect or tri")
            ->type_name("DIST");
    }
    app.add_option("--trials", texts.trials,
                   "Monte Carlo trials, 100 to 10000000 (default 1000000; with --batch "
                   "none unless given)")
        ->check(CLI::Range(100L, 10000000L));
    app.add_option("--seed", seed, "seed of the trials' random numbers (default 17025)");
}

// The stated uncertainties from the options' texts; throws a CLI11 error naming the option.
void readUncertainty(const CLI::App &app, const UncertaintyTexts &texts,
                     UncertaintyRequest &request)
{
    for (std::size_t in = 0; in < inputFields.size(); ++in) {
        const std::string name = inputFields[in].name;
        const auto amount = readStatedAmount(texts.amounts[in]);
        if (!amount) {
            throw CLI::ValidationError("--u-" + name, "\"" + texts.amounts[in] +
                                                          "\" is no standard uncertainty (a "
                                                          "number, or a number with %)");
        }
        StatedUncertainty &stated = request.stated[in];
        stated = *amount;
        if (app.count("--dist-" + name) > 0) {
            const auto distribution = readDistribution(texts.distributions[in]);
            if (!distribution) {
                throw CLI::ValidationError("--dist-" + name, "\"" + texts.distributions[in] +
                                                                 "\" is none of normal, rect, tri");
            }
            stated.distribution = *distribution;
        }
        if (app.count("--u-" + name) + app.count("--dist-" + name) > 0)
            request.optionGiven = true;
    }
    if (app.count("--trials") > 0) {
        request.trials = texts.trials;
        request.optionGiven = true;
    }
}

// The parser fills `request`, `batch`, `format` and the uncertainty texts as it reads.
std::unique_ptr<CLI::App> makeParser(CalcRequest &request, BatchRequest &batch, std::string &format,
                                     UncertaintyTexts &uncertainty)
{
    auto app = std::make_unique<CLI::App>(description, "quelbor-calc");
    app->set_help_flag();
    app->footer(exitStatuses);

    std::vector<CLI::Option *> single;
    for (const InputField &input : inputFields) {
        std::string &text = request.texts.*input.text;
        single.push_back(app->add_option(std::string("--") + input.name, text,
                                         std::string(input.description) + " (default " + text + ")")
                             ->type_name("TEXT"));
    }
    single.push_back(
        app->add_flag("--charts", request.charts, "also print both charts' labels and lines"));

    CLI::Option *batchOption =
        app->add_option("--batch", batch.input,
                        "calculate every row of a table (CSV with ; , or tab; - reads "
                        "standard input)")
            ->type_name("FILE");
    for (CLI::Option *option : single)
        option->excludes(batchOption);
    app->add_option("-o,--output", batch.output,
                    "write the batch results to FILE (default: "
                    "standard output; xlsx needs a file)")
        ->type_name("FILE")
        ->needs(batchOption);
    app->add_flag("--force", batch.force,
                  "replace an existing --output file even if it holds no batch results")
        ->needs(batchOption);
    app->add_option("--format", format,
                    "batch output: csv (default), jsonl, or xlsx (a workbook, numbers as numbers)")
        ->check(CLI::IsMember({"csv", "jsonl", "xlsx"}))
        ->type_name("FORMAT")
        ->needs(batchOption);
    app->add_flag("--all-fields", batch.allFields,
                  "batch csv or xlsx: add every model value, written to read back exactly")
        ->needs(batchOption);

    addUncertaintyOptions(*app, uncertainty, request.uncertainty.seed);

    app->add_flag("-h,--help", request.help, "print this help and exit");
    app->add_flag("--version", request.version, "print the version and exit");
    return app;
}

} // namespace

std::optional<CalcRequest> parseCommandLine(const std::vector<std::string> &arguments,
                                            std::string &error)
{
    CalcRequest request;
    BatchRequest batch;
    std::string format = "csv";
    UncertaintyTexts uncertainty;
    const auto app = makeParser(request, batch, format, uncertainty);
    // CLI11 reads the arguments from the back. "--thetaMess=" gives an empty text, as an empty
    // box does: handed over as a value of its own, which CLI11 keeps.
    std::vector<std::string> reversed;
    for (const std::string &argument : arguments) {
        if (argument.starts_with("--") && argument.find('=') == argument.size() - 1) {
            reversed.push_back(argument.substr(0, argument.size() - 1));
            reversed.emplace_back();
        } else {
            reversed.push_back(argument);
        }
    }
    std::reverse(reversed.begin(), reversed.end());
    try {
        app->parse(reversed);
        const auto options = app->get_options();
        const auto repeated =
            std::find_if(options.begin(), options.end(),
                         [](const CLI::Option *option) { return option->count() > 1; });
        if (repeated != options.end())
            throw CLI::ArgumentMismatch((*repeated)->get_name() + " is given more than once");
        readUncertainty(*app, uncertainty, request.uncertainty);
    } catch (const CLI::ParseError &failure) {
        error = failure.what();
        return std::nullopt;
    }
    if (app->count("--batch") > 0) {
        batch.format = format == "jsonl"  ? BatchFormat::Jsonl
                       : format == "xlsx" ? BatchFormat::Xlsx
                                          : BatchFormat::Csv;
        batch.uncertainty = request.uncertainty;
        request.batch = batch;
    }
    return request;
}

std::string usageText()
{
    CalcRequest request;
    BatchRequest batch;
    std::string format;
    UncertaintyTexts uncertainty;
    return makeParser(request, batch, format, uncertainty)->help();
}

std::string versionText()
{
    return std::string("quelbor-calc ") + projectVersion + "\n";
}

} // namespace quelbor
