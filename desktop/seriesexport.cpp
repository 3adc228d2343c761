#include "seriesexport.h"

#include "batchcolumns.h"
#include "bodycolumns.h"
#include "reportfilename.h"
#include "safefile.h"
#include "tablereader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <stdexcept>

namespace quelbor {

namespace {

constexpr int allWritten = 0;
constexpr int someFailed = 1;
constexpr int unusable = 2;

int report(int status, const std::string &message)
{
    std::fprintf(stderr, "quelbor: %s\n", message.c_str());
    return status;
}

struct Table
{
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> file;
    TableReader reader;
    explicit Table(std::FILE *opened)
        : file(opened, std::fclose)
        , reader(opened)
    {}
};

class Series
{
public:
    Series(const SeriesRequest &request, const RowWriter &write, const BatchColumns &columns)
        : m_request(request)
        , m_write(write)
        , m_columns(columns)
        , m_name(bodyNameColumn(columns))
        , m_remark(remarkColumn(columns))
    {}

    // Writes the row's file; false, with the reason on standard error, when it failed.
    bool writeRow(TableRow &row)
    {
        const std::string where = "line " + std::to_string(row.line);
        if (!row.malformed.empty())
            return failed(where + ": " + row.malformed);
        const std::size_t width = m_columns.names().size();
        if (row.count > width)
            return failed(where + ": " + std::to_string(row.count) +
                          " cells where the header has " + std::to_string(width));
        row.cells.resize(row.count);
        row.cells.resize(width);
        SeriesRow series;
        InputTexts texts;
        m_columns.readTexts(row.cells, texts);
        for (const InputField &field : inputFields)
            series.boxes[std::string("txt_") + field.name] = texts.*field.text;
        if (m_name)
            series.body = row.cells[*m_name];
        if (m_remark)
            series.remark = row.cells[*m_remark];
        const std::string named = where + " (" + series.body + ")";
        const QString path =
            QDir(m_request.folder)
                .filePath(QString::fromStdString(m_names.next(series.body, row.line, ".pdf")));
        if (!m_request.force && QFileInfo(path).exists())
            return failed(named + ": " + path.toStdString() + " exists; --force replaces it");
        try {
            const QString error = m_write(series, path);
            if (!error.isEmpty())
                return failed(named + ": " + error.toStdString());
        } catch (const FileError &failure) {
            return failed(named + ": cannot write " + path.toStdString() + ": " +
                          std::strerror(failure.error()));
        }
        return true;
    }

private:
    bool failed(const std::string &message)
    {
        report(someFailed, message);
        return false;
    }

    const SeriesRequest &m_request;
    const RowWriter &m_write;
    const BatchColumns &m_columns;
    std::optional<std::size_t> m_name;
    std::optional<std::size_t> m_remark;
    ReportFileNames m_names;
};

} // namespace

int exportSeries(const SeriesRequest &request, const RowWriter &write)
{
    if (!QFileInfo(request.folder).isDir())
        return report(unusable, request.folder.toStdString() + ": no such folder");
    std::FILE *opened = std::fopen(QFile::encodeName(request.table).constData(), "rb");
    if (!opened)
        return report(unusable,
                      "cannot read " + request.table.toStdString() + ": " + std::strerror(errno));
    Table table(opened);
    try {
        TableRow header;
        std::string error;
        if (!table.reader.next(header))
            return report(unusable, request.table.toStdString() + ": the table has no header");
        if (!header.malformed.empty())
            return report(unusable, request.table.toStdString() +
                                        ": the header cannot be read: " + header.malformed);
        header.cells.resize(header.count);
        const auto columns = BatchColumns::fromHeader(header.cells, error);
        if (!columns)
            return report(unusable, request.table.toStdString() + ": " + error);
        Series series(request, write, *columns);
        bool allFine = true;
        TableRow row;
        while (table.reader.next(row))
            allFine = series.writeRow(row) && allFine;
        if (table.reader.failed())
            return report(unusable, "cannot read " + request.table.toStdString());
        return allFine ? allWritten : someFailed;
    } catch (const std::runtime_error &notText) {
        return report(unusable, request.table.toStdString() + ": " + notText.what());
    }
}

} // namespace quelbor
