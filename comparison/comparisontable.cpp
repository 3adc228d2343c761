#include "comparisontable.h"

#include "batchcolumns.h"
#include "bodycolumns.h"
#include "csvbatchwriter.h"
#include "displayedresults.h"
#include "tablereader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <sys/stat.h>

namespace quelbor {

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE *)>;

TableOpening refused(std::string reason, int systemError = 0)
{
    return {{}, std::move(reason), systemError};
}

// Reads the rows after the header. Returns an empty text when all were read, else the refusal.
std::string readRows(TableReader &reader, const BatchColumns &columns,
                     std::vector<ComparedBody> &bodies)
{
    const std::size_t width = columns.names().size();
    const std::optional<std::size_t> nameColumn = bodyNameColumn(columns);
    TableRow row;
    InputTexts texts;
    while (reader.next(row)) {
        if (bodies.size() == mostTableRows) {
            return "Die Tabelle hat mehr als " + std::to_string(mostTableRows) +
                   " Zeilen; ein Vergleich nimmt höchstens so viele Massen auf.";
        }
        row.cells.resize(std::max(row.cells.size(), width));
        for (std::size_t cell = std::min(row.count, width); cell < width; ++cell)
            row.cells[cell].clear();
        std::string name = nameColumn ? row.cells[*nameColumn] : std::string();
        if (name.empty())
            name = "Zeile " + std::to_string(row.line);
        std::string malformed = row.malformed;
        if (malformed.empty() && row.count > width)
            malformed = std::to_string(row.count) + " Zellen, wo die Kopfzeile " +
                        std::to_string(width) + " hat";
        if (!malformed.empty()) {
            bodies.push_back(
                unreadBody(std::move(name), "Zeile " + std::to_string(row.line) +
                                                " kann nicht gelesen werden: " + malformed));
            continue;
        }
        columns.readTexts(row.cells, texts);
        bodies.push_back(calculateBody(std::move(name), texts));
    }
    if (reader.failed())
        return "Die Datei kann nicht bis zu ihrem Ende gelesen werden.";
    return {};
}

TableOpening readTable(std::FILE *file)
{
    TableReader reader(file);
    TableRow header;
    if (!reader.next(header)) {
        return refused(reader.failed() ? "Die Datei kann nicht gelesen werden."
                                       : "Die Datei ist leer; sie ist keine Tabelle.");
    }
    header.cells.resize(header.count);
    std::string error;
    const auto columns =
        header.malformed.empty() ? BatchColumns::fromHeader(header.cells, error) : std::nullopt;
    if (!columns) {
        return refused(
            "Die Datei ist keine Tabelle von Massen: ihre erste Zeile muss wenigstens eine "
            "der Spalten rhoSE, Xanf, Xmess, ksiSE, kappaMess, thetaMess, KappaSteig "
            "nennen, jede höchstens einmal.");
    }
    TableOpening opening;
    opening.refusal = readRows(reader, *columns, opening.bodies);
    if (!opening.refusal.empty())
        opening.bodies.clear();
    return opening;
}

} // namespace

TableOpening openComparisonTable(const std::string &path)
{
    File file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file)
        return refused("Die Datei kann nicht geöffnet werden.", errno);
    struct stat status
    {
    };
    if (fstat(fileno(file.get()), &status) != 0)
        return refused("Die Datei kann nicht gelesen werden.", errno);
    if (!S_ISREG(status.st_mode))
        return refused("Das ist keine Datei, sondern ein Ordner oder ein Gerät.");
    if (std::size_t(status.st_size) > largestTableBytes) {
        return refused("Die Datei ist zu groß für einen Vergleich: höchstens " +
                       std::to_string(largestTableBytes >> 20) + " MB werden gelesen.");
    }
    try {
        return readTable(file.get());
    } catch (const std::runtime_error &) {
        // The reader's only complaint before a row: the bytes are no text in an encoding it reads.
        return refused("Die Datei ist keine Tabelle in einer Kodierung, die Quelbor liest "
                       "(UTF-8, Windows-1252 oder UTF-16 mit Byte-Order-Mark); bitte als "
                       "CSV (UTF-8) speichern.");
    }
}

ComparisonCells comparisonTableCells(std::span<const ComparedBody> bodies)
{
    ComparisonCells cells;
    cells.header.emplace_back("name");
    for (const InputField &field : inputFields)
        cells.header.emplace_back(field.name);
    const std::size_t resultCount = displayedResults(DryingModel{}).size();
    for (const DisplayedResult &result : displayedResults(DryingModel{}))
        cells.header.emplace_back(result.box);
    cells.header.emplace_back("error");
    for (const ComparedBody &body : bodies) {
        std::vector<std::string> &row = cells.rows.emplace_back();
        row.push_back(body.name);
        std::transform(inputFields.begin(), inputFields.end(), std::back_inserter(row),
                       [&body](const InputField &field) { return body.texts.*field.text; });
        for (std::size_t result = 0; result < resultCount; ++result)
            row.push_back(result < body.results.size() ? body.results[result] : std::string());
        row.push_back(body.error);
    }
    return cells;
}

std::string comparisonTableText(std::span<const ComparedBody> bodies)
{
    const ComparisonCells cells = comparisonTableCells(bodies);
    std::string text = "\xEF\xBB\xBF";
    const auto writeLine = [&text](const std::vector<std::string> &line) {
        for (std::size_t cell = 0; cell < line.size(); ++cell)
            appendCsvCell(text, line[cell], ';', cell == 0);
        text += '\n';
    };
    writeLine(cells.header);
    std::for_each(cells.rows.begin(), cells.rows.end(), writeLine);
    return text;
}

} // namespace quelbor
