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
const std::string results7Tab =
    "txt_psianf\ttxt_XSE\ttxt_psiSE\ttxt_psi25\ttxt_kappa2525\ttxt_kappaGrenz";

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
    };
    for (const TableCase &row : cases) {
        const BatchOutcome outcome = runOn(row.table);
        EXPECT_EQ(outcome.output, row.output) << row.name;
        EXPECT_EQ(outcome.messages, row.messages) << row.name;
        EXPECT_EQ(outcome.status, row.status) << row.name;
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
