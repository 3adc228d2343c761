#include "batchrun.h"
#include "calcreport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

using namespace quelbor;

namespace {

struct BatchOutcome
{
    std::string output;
    std::string messages;
    int status;
};

std::string readAll(char *buffer, std::size_t size)
{
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

BatchOutcome runOn(std::string_view bytes, BatchFormat format = BatchFormat::Csv,
                   bool allFields = false)
{
    std::string table(bytes);
    std::FILE *input = fmemopen(table.data(), table.size(), "r");
    char *output = nullptr;
    char *messages = nullptr;
    std::size_t outputSize = 0;
    std::size_t messagesSize = 0;
    std::FILE *out = open_memstream(&output, &outputSize);
    std::FILE *err = open_memstream(&messages, &messagesSize);
    BatchRequest request{"-", "", format, allFields};
    const int status = runBatch(request, ",", {table.empty() ? stdin : input, out, err});
    if (input)
        std::fclose(input);
    std::fclose(out);
    std::fclose(err);
    return {readAll(output, outputSize), readAll(messages, messagesSize), status};
}

const std::string header7 = "rhoSE;Xanf;Xmess;ksiSE;kappaMess;thetaMess;KappaSteig";
const std::string results7 = "txt_psianf;txt_XSE;txt_psiSE;txt_psi25;txt_kappa2525;txt_kappaGrenz";
const std::string commaHeader7 = "rhoSE,Xanf,Xmess,ksiSE,kappaMess,thetaMess,KappaSteig";
const std::string commaResults7 =
    "txt_psianf,txt_XSE,txt_psiSE,txt_psi25,txt_kappa2525,txt_kappaGrenz";
const std::string results7Tab =
    "txt_psianf\ttxt_XSE\ttxt_psiSE\ttxt_psi25\ttxt_kappa2525\ttxt_kappaGrenz";
const std::u16string header8Tab =
    u"Probe\trhoSE\tXanf\tXmess\tksiSE\tkappaMess\tthetaMess\tKappaSteig";
const std::u16string results7Utf16 =
    u"txt_psianf\ttxt_XSE\ttxt_psiSE\ttxt_psi25\ttxt_kappa2525\ttxt_kappaGrenz";
const std::string notTextAdvice = " is not read; save it as CSV (UTF-8) or Unicode text\n";

// The bytes of UTF-16 text, one code unit after the other ("\uFEFF" first gives the mark).
std::string utf16(std::u16string_view text, bool bigEndian = false)
{
    std::string bytes;
    for (const char16_t unit : text) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct TableCase
{
    const char *name;
    std::string table;
    std::string output;
    std::string messages;
    int status;
};

TEST(Batch, TablesGiveTheWholeOutput)
{
    const TableCase cases[] = {
        {"semicolonBomCrlfQuotesEmptyCellFailingRowOddUtf8",
         "\xEF\xBB\xBFProbe;" + header7 + ";Notiz\r\n" +
             "\"A;1\";1850;0,25;0,185;6,2;45;20,5;7;\"sagt \"\"gut\"\"\r\nzwei Zeilen\"\r\n" +
             "B;1850;0,25;0,185;100;45;20,5;7;\r\n" +
             "C;1 850;0.30;0,185;6,2;45;20,5;7;Gr\xC3\xBC\xC3\x9F"
             "e \xF0\x9F\xA7\xB1 \xFF\r\n" +
             "D;1850;;0,185;6,2;45;20,5;7;\r\n",
         "\xEF\xBB\xBFProbe;" + header7 + ";Notiz;" + results7 + ";error\r\n" +
             "\"A;1\";1850;0,25;0,185;6,2;45;20,5;7;\"sagt \"\"gut\"\"\r\nzwei Zeilen\";" +
             "0,382;0,136;0,251;0,382;74,2;32,0;\r\n" +
             "B;1850;0,25;0,185;100;45;20,5;7;;;;;;;;Laufzeitfehler 11: Division durch Null\r\n" +
             "C;1 850;0.30;0,185;6,2;45;20,5;7;Gr\xC3\xBC\xC3\x9F"
             "e \xF0\x9F\xA7\xB1 \xFF;" +
             "0,458;0,186;0,343;0,413;72,8;50,3;\r\n" +
             "D;1850;;0,185;6,2;45;20,5;7;;;;;;;;Laufzeitfehler 11: Division durch Null\r\n",
         "quelbor-calc: 2 of 4 rows failed\n", 1},
        {"commaWithPointResultsAndMissingColumns",
         "Probe,rhoSE,XANF,Datum\nA,1850,\"0,30\",\"9. Dez, 2026\"\nB,2000,0.25,\n",
         "Probe,rhoSE,XANF,Datum,Xmess,ksiSE,kappaMess,thetaMess,KappaSteig,"
         "txt_psianf,txt_XSE,txt_psiSE,txt_psi25,txt_kappa2525,txt_kappaGrenz,error\n"
         "A,1850,\"0,30\",\"9. Dez, 2026\",\"0,185\",\"6,2\",45,\"20,5\",7,"
         "0.458,0.186,0.343,0.413,72.8,50.3,\n"
         "B,2000,0.25,,\"0,185\",\"6,2\",45,\"20,5\",7,0.413,0.144,0.288,0.413,72.9,35.6,\n",
         "quelbor-calc: warning: no column Xmess, every row takes the window's default text "
         "\"0,185\"\n"
         "quelbor-calc: warning: no column ksiSE, every row takes the window's default text "
         "\"6,2\"\n"
         "quelbor-calc: warning: no column kappaMess, every row takes the window's default text "
         "\"45\"\n"
         "quelbor-calc: warning: no column thetaMess, every row takes the window's default text "
         "\"20,5\"\n"
         "quelbor-calc: warning: no column KappaSteig, every row takes the window's default text "
         "\"7\"\n",
         0},
        {"tabWithoutFinalLineEnd",
         "Probe\trhoSE\tKappaSteig\tXmess\tXanf\tksiSE\tkappaMess\tthetaMess\nA\t1850\t7\t0,185\t0,"
         "25\t6,2\t45\t20,5",
         "Probe\trhoSE\tKappaSteig\tXmess\tXanf\tksiSE\tkappaMess\tthetaMess\t" + results7Tab +
             "\terror\n" +
             "A\t1850\t7\t0,185\t0,25\t6,2\t45\t20,5\t0.382\t0.136\t0.251\t0.382\t74.2\t32.0\t\n",
         "", 0},
        {"malformedRowsAreReportedAndTheNextGoOn",
         header7 + "\n1850;0,25;0,185;6,2;45;20,5;7;x\n1850;0,30;0,185;6,2;45;20,5;7\n"
                   "\"1850;0,25;0,185;6,2;45;20,5;7\n2000;0,25;0,185;6,2;45;20,5;7\n",
         header7 + ";" + results7 + ";error\n" +
             "1850;0,25;0,185;6,2;45;20,5;7;;;;;;;line 2: 8 cells where the header has 7\n" +
             "1850;0,30;0,185;6,2;45;20,5;7;0,458;0,186;0,343;0,413;72,8;50,3;\n" +
             ";;;;;;;;;;;;;line 4: quote not closed\n" +
             "2000;0,25;0,185;6,2;45;20,5;7;0,413;0,144;0,288;0,413;72,9;35,6;\n",
         "quelbor-calc: line 2: 8 cells where the header has 7\n"
         "quelbor-calc: line 4: quote not closed\n"
         "quelbor-calc: 2 of 4 rows failed\n",
         1},
        {"quoteOpenOnTheLastLineWithoutLineEnd", header7 + "\n1850;\"0,25",
         header7 + ";" + results7 + ";error\n;;;;;;;;;;;;;line 2: quote not closed\n",
         "quelbor-calc: line 2: quote not closed\nquelbor-calc: 1 of 1 rows failed\n", 1},
        {"headerOnly", header7 + "\r\n", header7 + ";" + results7 + ";error\r\n", "", 0},
        {"emptyTable", "\n\n", "", "quelbor-calc: line 1: the table has no header\n", 2},
        {"headerWithoutInputs", "\nProbe;Datum\nA;1\n", "",
         "quelbor-calc: line 2: the header names none of the input columns rhoSE, Xanf, Xmess, "
         "ksiSE, kappaMess, thetaMess, KappaSteig\n",
         2},
        {"inputColumnTwice", "rhoSE;RHOSE\n1;2\n", "",
         "quelbor-calc: line 1: the column rhoSE appears twice\n", 2},
        {"headerQuoteNotClosed", "\"rhoSE;Xanf\n", "",
         "quelbor-calc: line 1: the header cannot be read: quote not closed\n", 2},
        // Not UTF-8, so Windows-1252: carried bytes, the unassigned five among them, come back
        // as they were, and the German error text is written in Windows-1252 too.
        {"windows1252ComesBackInWindows1252",
         "Probe;" + header7 + ";Gr\xF6\xDF" + "e\r\nTon M\xFCller;1850;0,25;0,185;6,2;0;20,5;7;" +
             "\x80\x81\x8D\x8F\x90\x9D\xFF\r\n",
         "Probe;" + header7 + ";Gr\xF6\xDF" + "e;" + results7 + ";error\r\n" +
             "Ton M\xFCller;1850;0,25;0,185;6,2;0;20,5;7;\x80\x81\x8D\x8F\x90\x9D\xFF;" +
             "0,382;0,136;0,251;0,382;0,0;0,0;" +
             "Laufzeitfehler 5: Ung\xFCltiger Prozeduraufruf oder ung\xFCltiges Argument\r\n",
         "quelbor-calc: 1 of 1 rows failed\n", 1},
        {"utf16LittleEndianWithTabs",
         utf16(u"\uFEFF" + header8Tab +
               u"\r\nTon M\u00FCller \U0001F9F1\t1850\t0,25\t0,185\t6,2\t45\t20,5\t7\r\n"),
         utf16(u"\uFEFF" + header8Tab + u"\t" + results7Utf16 + u"\terror\r\nTon M\u00FCller " +
               u"\U0001F9F1\t1850\t0,25\t0,185\t6,2\t45\t20,5\t7\t0.382\t0.136\t0.251\t0.382" +
               u"\t74.2\t32.0\t\r\n"),
         "", 0},
        {"utf16BigEndianCountsLines",
         utf16(u"\uFEFFrhoSE;Xanf;Xmess;ksiSE;kappaMess;thetaMess;KappaSteig\n"
               u"1850;0,25;0,185;6,2;45;20,5;7;\u00DC\n",
               true),
         utf16(u"\uFEFFrhoSE;Xanf;Xmess;ksiSE;kappaMess;thetaMess;KappaSteig;txt_psianf;txt_XSE;"
               u"txt_psiSE;txt_psi25;txt_kappa2525;txt_kappaGrenz;error\n"
               u"1850;0,25;0,185;6,2;45;20,5;7;;;;;;;line 2: 8 cells where the header has 7\n",
               true),
         "quelbor-calc: line 2: 8 cells where the header has 7\nquelbor-calc: 1 of 1 rows failed\n",
         1},
        // The header uses "," most, but the spreadsheet was told ";".
        {"quotedSeparatorLineIsLineOne",
         "\"sep=;\"\r\nName, Ort;" + header7 +
             "\r\nTon, K\xC3\xB6ln;1850;0,25;0,185;6,2;45;20,5;7\r\n1;2;3;4;5;6;7;8;9\r\n",
         "sep=;\r\nName, Ort;" + header7 + ";" + results7 + ";error\r\n" +
             "Ton, K\xC3\xB6ln;1850;0,25;0,185;6,2;45;20,5;7;" +
             "0,382;0,136;0,251;0,382;74,2;32,0;\r\n" +
             "1;2;3;4;5;6;7;8;;;;;;;line 4: 9 cells where the header has 8\r\n",
         "quelbor-calc: line 4: 9 cells where the header has 8\nquelbor-calc: 1 of 2 rows failed\n",
         1},
        {"commaSeparatorLine",
         "sep=,\n"
         "rhoSE,Xanf,Xmess,ksiSE,kappaMess,thetaMess,KappaSteig\n"
         "1850,0.25,0.185,6.2,45,20.5,7\n",
         "sep=,\n"
         "rhoSE,Xanf,Xmess,ksiSE,kappaMess,thetaMess,KappaSteig,"
         "txt_psianf,txt_XSE,txt_psiSE,txt_psi25,txt_kappa2525,txt_kappaGrenz,error\n"
         "1850,0.25,0.185,6.2,45,20.5,7,0.382,0.136,0.251,0.382,74.2,32.0,\n",
         "", 0},
        // A result table read back: its result columns are replaced, not carried a second time.
        {"resultTableGivesItselfAgain",
         "\xEF\xBB\xBFProbe;" + header7 + ";Notiz;" + results7 + ";error\r\n" +
             "\"A;1\";1850;0,25;0,185;6,2;45;20,5;7;\"zwei\r\nZeilen\";" +
             "0,382;0,136;0,251;0,382;74,2;32,0;\r\n" +
             "B;1850;0,25;0,185;100;45;20,5;7;;;;;;;;Laufzeitfehler 11: Division durch Null\r\n",
         "\xEF\xBB\xBFProbe;" + header7 + ";Notiz;" + results7 + ";error\r\n" +
             "\"A;1\";1850;0,25;0,185;6,2;45;20,5;7;\"zwei\r\nZeilen\";" +
             "0,382;0,136;0,251;0,382;74,2;32,0;\r\n" +
             "B;1850;0,25;0,185;100;45;20,5;7;;;;;;;;Laufzeitfehler 11: Division durch Null\r\n",
         "quelbor-calc: 1 of 2 rows failed\n", 1},
        // Old results in the middle and stale: new ones at the end; a lookalike is carried.
        {"staleResultsAreReplaced",
         "Probe,txt_psianf,model.rhoSE,u_txt_XSE," + commaHeader7 + ",Error\n" +
             "A,9,9,9,1850,0.25,0.185,6.2,45,20.5,7,x\n",
         "Probe," + commaHeader7 + ",Error," + commaResults7 + ",error\n" +
             "A,1850,0.25,0.185,6.2,45,20.5,7,x,0.382,0.136,0.251,0.382,74.2,32.0,\n",
         "", 0},
        {"utf16WithoutMarkIsRefused", utf16(u"rhoSE;Xanf\n1850;0,25\n"), "",
         "quelbor-calc: the table is not text: UTF-16LE without byte-order mark" + notTextAdvice,
         2},
        {"utf32IsRefused", std::string("\xFF\xFE\0\0r\0\0\0", 8), "",
         "quelbor-calc: the table is not text: UTF-32LE" + notTextAdvice, 2},
        {"workbookIsRefused", std::string("PK\x03\x04\x14\0\x06\0", 8), "",
         "quelbor-calc: the table is not text: a zip archive (an .xlsx or .ods workbook)" +
             notTextAdvice,
         2},
    };
    for (const TableCase &row : cases) {
        const BatchOutcome outcome = runOn(row.table);
        EXPECT_EQ(outcome.output, row.output) << row.name;
        EXPECT_EQ(outcome.messages, row.messages) << row.name;
        EXPECT_EQ(outcome.status, row.status) << row.name;
    }
}

// Whatever the table's encoding, the JSON lines hold its texts in UTF-8, also where a character
// is cut at the end of the first block read (64 KiB).
TEST(Batch, JsonLinesHoldTheTablesTextsInUtf8)
{
    const std::string utf8Filler(65535 - 13, 'x');
    const std::u16string utf16Filler(32753, u'x');
    const struct
    {
        const char *name;
        std::string table;
        long line;
        std::string probe; // the text of its column "Probe" in the first row
    } cases[] = {
        {"windows1252", "Probe;rhoSE\nTon M\xFCller \x80\x81;1850\n", 2,
         "Ton M\u00FCller \u20AC\u0081"},
        {"utf16", utf16(u"\uFEFFProbe\trhoSE\nTon M\u00FCller \U0001F9F1\t1850\n"), 2,
         "Ton M\u00FCller \U0001F9F1"},
        {"utf8ByItsMarkWithAStrayByte",
         "\xEF\xBB\xBFProbe;rhoSE\nGr\xC3\xB6\xC3\x9F"
         "e \xFF;1850\n",
         2,
         "Gr\u00F6\u00DF"
         "e \uFFFD"},
        {"separatorLine", "sep=,\nProbe,rhoSE\nA,1850\n", 3, "A"},
        {"utf8CutAtTheBlockEnd", "Probe;rhoSE\nA" + utf8Filler + "\xC3\xBC;1850\n", 2,
         "A" + utf8Filler + "\u00FC"},
        {"utf16CutAtTheBlockEnd",
         utf16(u"\uFEFFProbe\trhoSE\nA" + utf16Filler + u"\U0001F9F1\t1850\n"), 2,
         "A" + std::string(utf16Filler.size(), 'x') + "\U0001F9F1"},
    };
    for (const auto &row : cases) {
        const std::string output = runOn(row.table, BatchFormat::Jsonl).output;
        const auto json = nlohmann::json::parse(output.substr(0, output.find('\n')));
        EXPECT_EQ(json.at("line"), row.line) << row.name;
        EXPECT_EQ(json.at("columns").at("Probe"), row.probe) << row.name;
    }
}

TEST(Batch, AllFieldsReadBackToTheSameDouble)
{
    const std::string output =
        runOn(header7 + "\n1850;0,25;0,185;6,2;45;20,5;7\n", BatchFormat::Csv, true).output;
    const std::string row = output.substr(output.find('\n') + 1);
    EXPECT_NE(row.find(";1695,008544921875;"), std::string::npos) << "rhoMess, a float";
    EXPECT_NE(row.find(";0,1850000023841858;"), std::string::npos) << "Xmess, a float";
    EXPECT_NE(row.find(";3,20314375647824e-08;"), std::string::npos) << "kappaGrenz";
}

// The same texts through the batch and through the single-body report give the same model,
// results, water-loading table and error, whatever order the rows come in.
TEST(Batch, RowsGiveTheSingleBodyResultsInAnyOrder)
{
    const std::vector<std::string> rows = {
        "1850;0,25;0,185;6,2;45;20,5;7",
        "1000;0,30;0,2;6;45;20,5;7",
        "3000;0,20;0,15;4;45;20,5;7",
        "1850;1;0,185;6,2;45;20,5;7",
        "1850;0,25;0,185;6,2;0;20,5;7",
        "1850;0,25;0,185;6,2;17" + std::string(307, '0') + ";20,5;7",
    };
    const auto jsonRows = [&](const std::vector<std::string> &order) {
        std::string table = header7 + "\n";
        for (const std::string &row : order)
            table += row + "\n";
        std::map<std::string, nlohmann::json> byTexts;
        std::istringstream lines(runOn(table, BatchFormat::Jsonl).output);
        for (std::string line; std::getline(lines, line);) {
            auto json = nlohmann::json::parse(line);
            json.erase("line");
            json.erase("columns");
            byTexts[json.at("inputs").dump()] = json;
        }
        return byTexts;
    };
    std::vector<std::string> reversed(rows.rbegin(), rows.rend());
    const auto forward = jsonRows(rows);
    EXPECT_EQ(forward, jsonRows(reversed));
    ASSERT_EQ(forward.size(), rows.size());
    for (const auto &[texts, json] : forward) {
        const auto inputs = nlohmann::json::parse(texts);
        CalcRequest request;
        request.texts = {inputs["rhoSE"],     inputs["Xanf"],      inputs["Xmess"],
                         inputs["ksiSE"],     inputs["kappaMess"], inputs["thetaMess"],
                         inputs["KappaSteig"]};
        EXPECT_EQ(json, nlohmann::json::parse(runCalculation(request).json)) << texts;
    }
}

} // namespace
