#include "jsonlbatchwriter.h"

#include "calculationjson.h"
#include "uncertaintyjson.h"

namespace quelbor {

JsonlBatchWriter::JsonlBatchWriter(std::FILE *output, const BatchColumns &columns)
    : m_output(output)
    , m_columns(columns)
{}

void JsonlBatchWriter::writeRow(const BatchSample &sample)
{
    Json row = Json::object();
    row["line"] = sample.line;
    Json &carried = row["columns"] = Json::object();
    for (std::size_t column = 0; column < m_columns.names().size(); ++column) {
        if (!m_columns.isInput(column) && !m_columns.isResult(column))
            carried[m_columns.uniqueNames()[column]] = sample.cells[column];
    }
    if (sample.malformed.empty()) {
        row.update(calculationJson(sample.texts, sample.calculation, sample.results));
        if (sample.error)
            addError(row, *sample.error);
        else if (sample.uncertainty)
            row["uncertainty"] = uncertaintyJson(*sample.uncertainty);
    } else {
        row["error"] = {{"kind", "malformed-row"}, {"text", sample.malformed}};
    }
    m_output.text() += jsonText(row, -1);
    m_output.text() += '\n';
    m_output.written();
}

} // namespace quelbor
