#include "safefile.h"
#include "workbooksheet.h"
#include "xlsxtable.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace quelbor;

namespace {

std::string sheetData(const std::string &path)
{
    const std::string sheet = worksheetStart(path, 1 << 16);
    const std::size_t start = sheet.find("<sheetData>");
    return start == std::string::npos ? sheet
                                      : sheet.substr(start, sheet.find("</sheetData>") - start);
}

// What the comparison and the batch hand over: the header as texts, then numbers as numbers. A
// table a worksheet cannot hold fails and leaves the workbook written before as it was.
TEST(XlsxTable, WritesHeaderTextsAndNumbersOrKeepsTheOldFile)
{
    const std::string path = testing::TempDir() + "xlsxtable.xlsx";
    const std::vector<std::string> header{"Probe", "1850", "txt_psianf"};
    const std::vector<std::vector<std::string>> rows{{"Ton A", "1850", "0,382"},
                                                     {"", "-1.5e-08", "32,0"}};
    writeXlsxTable(path, header, rows);
    const std::string written =
        "<sheetData><row r=\"1\">"
        "<c r=\"A1\" t=\"inlineStr\"><is><t>Probe</t></is></c>"
        "<c r=\"B1\" t=\"inlineStr\"><is><t>1850</t></is></c>"
        "<c r=\"C1\" t=\"inlineStr\"><is><t>txt_psianf</t></is></c></row>"
        "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>Ton A</t></is></c>"
        "<c r=\"B2\"><v>1850</v></c><c r=\"C2\" s=\"1\"><v>0.382</v></c></row>"
        "<row r=\"3\"><c r=\"B3\"><v>-1.5E-08</v></c>"
        "<c r=\"C3\" s=\"2\"><v>32</v></c></row>";
    EXPECT_EQ(sheetData(path), written);

    const std::vector<std::vector<std::string>> tooWide{std::vector<std::string>(16385, "1")};
    EXPECT_THROW(writeXlsxTable(path, header, tooWide), XlsxFailure);
    EXPECT_THROW(writeXlsxTable("-", header, rows), FileError);
    EXPECT_EQ(sheetData(path), written);
    for (const auto &entry : std::filesystem::directory_iterator(testing::TempDir()))
        EXPECT_EQ(entry.path().filename().string().find(".xlsxtable.xlsx"), std::string::npos);
    std::filesystem::remove(path);
}

} // namespace
