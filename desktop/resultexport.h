#pragma once

#include "reportpage.h"

#include <optional>

class QPainter;
class QPrinter;
class QRectF;
class QString;
class QWidget;

namespace quelbor {

enum class ExportFormat { Pdf, Svg, Png };

// The format a file name asks for by its extension (.pdf, .svg, .png, in any case).
std::optional<ExportFormat> exportFormatOf(const QString &path);

// Paints the window as it shows itself now into the target rectangle of the painter, as large
// as fits with the window's proportions and centred. On a PDF, SVG or printer painter the
// texts stay text and the charts' lines stay lines.
void renderWindow(QWidget &window, QPainter &painter, const QRectF &target);

// Prints the window as it shows itself now on one page, fitted to the printable area.
// Returns false when the printer cannot be started.
bool printWindow(QWidget &window, QPrinter &printer);

// Writes the window as it shows itself now to a file in the format its extension names: PDF
// and SVG at the window's size in the screen's resolution, PNG at the window's pixel size
// times its device pixel ratio. The path must name one of the three (exportFormatOf). Throws
// FileError (safefile.h) when the file cannot be written, with ENOMEM when there is no memory
// for the picture; then no file is left behind, and an older one at the path keeps its bytes.
// A path naming a device or a FIFO, directly or through a link, is written to as it is.
void exportWindow(QWidget &window, const QString &path);

// Writes a report page to a PDF or SVG file, as its extension names: the PDF on one A4 page
// in PDF/A-1b for archiving, its fonts embedded; the SVG as large as the page at the screen's
// resolution. Texts stay text, the charts lines and texts. Throws std::invalid_argument for
// another extension, FileError as exportWindow does.
void exportReport(const QWidget &window, const ReportPage &page, const QString &path);

// Prints a report page on one page of the printer, fitted to its paper. Returns false when
// the printer cannot be started.
bool printReport(const QWidget &window, const ReportPage &page, QPrinter &printer);

} // namespace quelbor
