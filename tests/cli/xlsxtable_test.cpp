#include "safefile.h"
#include "workbooksheet.h"
#include "xlsxtable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace quelbor;

namespace {

std::string sheetData(const std::string &path)
{
    const std::string sheet = worksheetStart(path, 1 << 16);
    const std::size_t start = sheet.find("<sheetData>");
    const std::size_t end = sheet.find("</sheetData>");
    return start == std::string::npos || end == std::string::npos
               ? sheet
               : sheet.substr(start, end + 12 - start);
}

std::string contents(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// What the comparison and the batch hand over: the header as texts, then numbers as numbers.
TEST(XlsxTable, WritesHeaderTextsAndNumbers)
{
    const std::string path = testing::TempDir() + "xlsxtable-whole.xlsx";
    const std::vector<std::string> header{"Probe", "1850", "txt_psianf"};
    const std::vector<std::vector<std::string>> rows{{"Ton A", "1850", "0,382"},
                                                     {"", "-1.5e-08", "32,0"}};
    writeXlsxTable(path, header, rows);
    EXPECT_EQ(sheetData(path),
              "<sheetData><row r=\"1\">"
              "<c r=\"A1\" t=\"inlineStr\"><is><t>Probe</t></is></c>"
              "<c r=\"B1\" t=\"inlineStr\"><is><t>1850</t></is></c>"
              "<c r=\"C1\" t=\"inlineStr\"><is><t>txt_psianf</t></is></c></row>"
              "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>Ton A</t></is></c>"
              "<c r=\"B2\"><v>1850</v></c><c r=\"C2\" s=\"1\"><v>0.382</v></c></row>"
              "<row r=\"3\"><c r=\"B3\"><v>-1.5E-08</v></c><c r=\"C3\" s=\"2\"><v>32</v></c></row>"
              "</sheetData>");
    std::filesystem::remove(path);
}

// A table a worksheet cannot hold fails, and the old file stays as it was.
TEST(XlsxTable, FailureKeepsTheOldFile)
{
    const std::string path = testing::TempDir() + "xlsxtable-kept.xlsx";
    std::ofstream(path) << "old";
    const std::vector<std::string> header{"a"};
    const std::vector<std::vector<std::string>> tooWide{std::vector<std::string>(16385, "1")};
    EXPECT_THROW(writeXlsxTable(path, header, tooWide), XlsxFailure);
    EXPECT_THROW(writeXlsxTable("-", header, {}), FileError);
    EXPECT_EQ(contents(path), "old");
    const auto folder = std::filesystem::path(path).parent_path();
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        EXPECT_EQ(entry.path().filename().string().find(".xlsxtable-kept"), std::string::npos);
    std::filesystem::remove(path);
}

} // namespace
