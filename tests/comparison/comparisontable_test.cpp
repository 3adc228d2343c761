#include "batchcolumns.h"
#include "comparisonfile.h"
#include "comparisonlist.h"
#include "comparisontable.h"
#include "tablereader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace quelbor {
namespace {

namespace fs = std::filesystem;

class Folder
{
public:
    Folder()
    {
        char pattern[] = "/tmp/comparison-test-XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~Folder() { fs::remove_all(m_path); }
    std::string file(const std::string &name) const { return (m_path / name).string(); }
    std::string write(const std::string &name, const std::string &bytes) const
    {
        std::ofstream(file(name), std::ios::binary) << bytes;
        return file(name);
    }

private:
    fs::path m_path;
};

InputTexts withInput(std::string InputTexts::*field, std::string text)
{
    InputTexts texts;
    texts.*field = std::move(text);
    return texts;
}

std::vector<ComparedBody> sampleBodies()
{
    return {calculateBody("Ton A", {}),
            calculateBody("Ton A + 10 % Sand; gesiebt", withInput(&InputTexts::ksiSE, "3,5")),
            calculateBody("\"Dachziegel\" 2", withInput(&InputTexts::Xanf, "0.32")),
            calculateBody("ohne Messung", withInput(&InputTexts::kappaMess, "0")),
            calculateBody("ohne Dichte", withInput(&InputTexts::rhoSE, ""))};
}

// The six results and the error of each row of a table, read back by column name; where a
// name repeats, the last column counts, which the batch appends.
std::vector<std::vector<std::string>> resultsOf(const std::string &path)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    TableReader reader(file);
    TableRow row;
    reader.next(row);
    std::map<std::string, std::size_t> columns;
    for (std::size_t i = 0; i < row.count; ++i)
        columns[row.cells[i]] = i;
    const char *wanted[] = {"txt_psianf",    "txt_XSE",        "txt_psiSE", "txt_psi25",
                            "txt_kappa2525", "txt_kappaGrenz", "error"};
    std::vector<std::vector<std::string>> rows;
    while (reader.next(row)) {
        std::vector<std::string> cells;
        std::transform(std::begin(wanted), std::end(wanted), std::back_inserter(cells),
                       [&](const char *name) { return row.cells.at(columns.at(name)); });
        rows.push_back(cells);
    }
    std::fclose(file);
    return rows;
}

std::vector<std::vector<std::string>> resultsOf(const std::vector<ComparedBody> &bodies)
{
    std::vector<std::vector<std::string>> rows;
    for (const ComparedBody &body : bodies) {
        std::vector<std::string> cells = body.results;
        cells.resize(6);
        cells.push_back(body.error);
        rows.push_back(cells);
    }
    return rows;
}

TEST(ComparisonTable, BatchReadsItBackToTheSameResults)
{
    const Folder folder;
    const std::vector<ComparedBody> bodies = sampleBodies();
    const std::string saved = folder.file("Vergleich.csv");
    saveComparisonTable(bodies, saved);
    const std::string output = folder.file("batch.csv");
    const std::string command = std::string("LC_ALL=C '") + QUELBOR_CALC + "' --batch '" + saved +
                                "' --output '" + output + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1); // two of the rows fail
    EXPECT_EQ(resultsOf(output), resultsOf(bodies));
    EXPECT_EQ(resultsOf(saved), resultsOf(bodies));
}

TEST(ComparisonTable, OpensToTheSameBodies)
{
    const Folder folder;
    const std::vector<ComparedBody> bodies = sampleBodies();
    const std::string saved = folder.file("Vergleich.csv");
    saveComparisonTable(bodies, saved);
    const TableOpening opened = openComparisonTable(saved);
    ASSERT_EQ(opened.refusal, "");
    ASSERT_EQ(opened.bodies.size(), bodies.size());
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        EXPECT_EQ(opened.bodies[i].name, bodies[i].name);
        EXPECT_EQ(opened.bodies[i].texts, bodies[i].texts);
        EXPECT_EQ(opened.bodies[i].results, bodies[i].results);
        EXPECT_EQ(opened.bodies[i].error, bodies[i].error);
    }
    EXPECT_EQ(bodies[3].results.size(), 6u);
    EXPECT_EQ(bodies[4].results.size(), 0u);
}

TEST(ComparisonTable, RowsKeepTheirErrorAndTheWindowsTexts)
{
    const Folder folder;
    const TableOpening opened = openComparisonTable(folder.write(
        "rows.csv", "Probe;rhoSE;kappaMess;Bemerkung\nA;1850;45;x\n;1850;0;y\n\"C;1850;45;z\n"));
    ASSERT_EQ(opened.refusal, "");
    ASSERT_EQ(opened.bodies.size(), 3u);
    EXPECT_EQ(opened.bodies[0].name, "A");
    EXPECT_EQ(opened.bodies[0].results,
              (std::vector<std::string>{"0,382", "0,136", "0,251", "0,382", "74,2", "32,0"}));
    EXPECT_EQ(opened.bodies[0].error, "");
    EXPECT_EQ(opened.bodies[1].name, "Zeile 3");
    EXPECT_EQ(opened.bodies[1].error,
              "Laufzeitfehler 5: Ungültiger Prozeduraufruf oder ungültiges Argument");
    EXPECT_EQ(opened.bodies[2].error.rfind("Zeile 4 kann nicht gelesen werden: ", 0), 0u)
        << opened.bodies[2].error;
    EXPECT_EQ(opened.bodies[2].texts, (InputTexts{"", "", "", "", "", "", ""}));
}

struct RefusalCase
{
    const char *name;
    std::string bytes;
    std::string refusal;
};

class Refused : public testing::TestWithParam<RefusalCase>
{
};

TEST_P(Refused, WithAGermanReasonAndNoBodies)
{
    const Folder folder;
    const TableOpening opened = openComparisonTable(folder.write("file", GetParam().bytes));
    EXPECT_EQ(opened.refusal, GetParam().refusal);
    EXPECT_TRUE(opened.bodies.empty());
}

const std::string notSamples =
    "Die Datei ist keine Tabelle von Massen: ihre erste Zeile muss wenigstens eine der Spalten "
    "rhoSE, Xanf, Xmess, ksiSE, kappaMess, thetaMess, KappaSteig nennen, jede höchstens einmal.";
const std::string notReadable =
    "Die Datei ist keine Tabelle in einer Kodierung, die Quelbor liest (UTF-8, Windows-1252 "
    "oder UTF-16 mit Byte-Order-Mark); bitte als CSV (UTF-8) speichern.";

INSTANTIATE_TEST_SUITE_P(
    ComparisonTable, Refused,
    testing::Values(
        RefusalCase{"Empty", "", "Die Datei ist leer; sie ist keine Tabelle."},
        RefusalCase{"NoInputColumn", "Name;Farbe\nA;rot\n", notSamples},
        RefusalCase{"InputTwice", "rhoSE;RHOSE\n1;2\n", notSamples},
        RefusalCase{"Picture", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), notReadable},
        RefusalCase{"Utf32", std::string("\xFF\xFE\0\0r\0\0\0", 8), notReadable},
        RefusalCase{"TooLarge", std::string(largestTableBytes + 1, ' '),
                    "Die Datei ist zu groß für einen Vergleich: höchstens 16 MB werden gelesen."},
        RefusalCase{"TooManyRows",
                    "rhoSE\n" +
                        [] {
                            std::string rows;
                            for (std::size_t i = 0; i <= mostTableRows; ++i)
                                rows += "1850\n";
                            return rows;
                        }(),
                    "Die Tabelle hat mehr als 10000 Zeilen; ein Vergleich nimmt höchstens so "
                    "viele Massen auf."}),
    [](const auto &info) { return info.param.name; });

TEST(ComparisonTable, AFolderIsRefused)
{
    const Folder folder;
    fs::create_directory(folder.file("sub"));
    EXPECT_EQ(openComparisonTable(folder.file("sub")).refusal,
              "Das ist keine Datei, sondern ein Ordner oder ein Gerät.");
}

} // namespace
} // namespace quelbor
