#include "commandline.h"

#include <gtest/gtest.h>

using quelbor::parseCommandLine;

namespace {

TEST(CommandLine, InputsByFieldNameOthersKeepTheDefaults)
{
    std::string error;
    const auto request = parseCommandLine({"--rhoSE=2000", "--Xanf=0,30", "--charts"}, error);
    ASSERT_TRUE(request) << error;
    EXPECT_EQ(request->texts.rhoSE, "2000");
    EXPECT_EQ(request->texts.Xanf, "0,30");
    EXPECT_EQ(request->texts.ksiSE, "6,2");
    EXPECT_TRUE(request->charts);
}

TEST(CommandLine, TextsAreTakenVerbatim)
{
    std::string error;
    const auto request = parseCommandLine({"--ksiSE= 6, 2=x", "--thetaMess="}, error);
    ASSERT_TRUE(request) << error;
    EXPECT_EQ(request->texts.ksiSE, " 6, 2=x");
    EXPECT_EQ(request->texts.thetaMess, "");
}

TEST(CommandLine, BadUsageIsRejectedNamingTheOption)
{
    struct BadUsage
    {
        std::vector<std::string> arguments;
        std::string named; // the error message names it
    };
    const BadUsage cases[] = {
        {{"--density=1"}, "--density=1"},
        {{"rhoSE=1"}, "rhoSE=1"},
        {{"--rhoSE"}, "--rhoSE"},
        {{"-rhoSE=1"}, "-rhoSE=1"},
        {{"--=1"}, "--=1"},
        {{"--rhoSE=1", "--rhoSE=2"}, "--rhoSE"},
        {{"--charts", "--charts"}, "--charts"},
        {{"--batch", "a.csv", "--batch", "b.csv"}, "--batch"},
        {{"--batch", "a.csv", "--Xanf=0,3"}, "--Xanf"},
        {{"--batch", "a.csv", "--charts"}, "--charts"},
        {{"--output", "out.csv"}, "--output"},
        {{"--batch", "a.csv", "--format", "xml"}, "xml"},
    };
    for (const BadUsage &bad : cases) {
        std::string error;
        EXPECT_FALSE(parseCommandLine(bad.arguments, error)) << bad.named;
        EXPECT_NE(error.find(bad.named), std::string::npos) << bad.named << ": " << error;
    }
}

TEST(CommandLine, BatchOptions)
{
    std::string error;
    const auto request = parseCommandLine(
        {"--batch", "-", "--output=out.jsonl", "--format", "jsonl", "--all-fields"}, error);
    ASSERT_TRUE(request && request->batch) << error;
    EXPECT_EQ(request->batch->input, "-");
    EXPECT_EQ(request->batch->output, "out.jsonl");
    EXPECT_EQ(request->batch->format, quelbor::BatchFormat::Jsonl);
    EXPECT_TRUE(request->batch->allFields);
}

} // namespace
