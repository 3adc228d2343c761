#pragma once

#include <QString>

#include <functional>
#include <map>
#include <string>

namespace quelbor {

// One body of a series: the window's boxes to fill (object name to text), its name and remark.
struct SeriesRow
{
    std::map<std::string, std::string> boxes;
    std::string body;
    std::string remark;
};

// Writes one body's file; returns the calculation's error text, empty when it was written.
// Throws FileError when the file cannot be written.
using RowWriter = std::function<QString(const SeriesRow &row, const QString &path)>;

struct SeriesRequest
{
    QString table;      // the table of samples, as quelbor-calc --batch reads it
    QString folder;     // where the files go
    bool force = false; // replace files of the same name
};

// Writes one PDF per row of the table into the folder, named after the body (the column
// "name", "Probe", "Bezeichnung" or "Masse", else the first column that is no input); the
// column "Bemerkung", where there is one, gives its remark. A row that cannot be read or
// calculated, or whose file exists (without `force`) or cannot be written, is listed on
// standard error and gets no file. Returns the exit status: 0 every row written, 1 some row
// failed, 2 the table cannot be read or has no usable header, or the folder is missing.
int exportSeries(const SeriesRequest &request, const RowWriter &write);

} // namespace quelbor
