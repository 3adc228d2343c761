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

TEST(CommandLine, BadUsageIsRejected)
{
    for (const char *argument : {"--density=1", "rhoSE=1", "--rhoSE", "-rhoSE=1", "--=1"}) {
        std::string error;
        EXPECT_FALSE(parseCommandLine({argument}, error)) << argument;
        EXPECT_NE(error.find(argument), std::string::npos) << argument;
    }
}

} // namespace
