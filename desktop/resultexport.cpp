#include "resultexport.h"

#include "reportpainter.h"
#include "safefile.h"
#include "version.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPixmap>
#include <QPrinter>
#include <QSvgGenerator>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <stdexcept>

namespace quelbor {

namespace {

constexpr double pointsPerInch = 72;
constexpr double millimetresPerInch = 25.4;

// Scales and moves the painter so that an area of the given size fills as much of the target
// as its proportions allow, centred.
void fitInto(QPainter &painter, QSizeF size, const QRectF &target)
{
    const double scale = std::min(target.width() / size.width(), target.height() / size.height());
    painter.translate(target.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
}

QString documentTitle(const QWidget &window)
{
    return window.windowTitle().trimmed();
}

// One page exactly the window's size at the screen's resolution, so that a pixel of the
// window is a pixel of the page and the texts keep their sizes.
bool writePdf(QWidget &window, QIODevice &file)
{
    const int dpi = window.logicalDpiX();
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Quelbor"));
    writer.setTitle(documentTitle(window));
    writer.setResolution(dpi);
    writer.setPageSize(QPageSize(QSizeF(window.size()) * pointsPerInch / dpi, QPageSize::Point,
                                 QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    renderWindow(window, painter, QRectF(0, 0, writer.width(), writer.height()));
    return painter.end();
}

bool writeSvg(QWidget &window, QIODevice &file)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setTitle(documentTitle(window));
    generator.setResolution(window.logicalDpiX());
    generator.setSize(window.size());
    generator.setViewBox(QRect(QPoint(0, 0), window.size()));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    renderWindow(window, painter, QRectF(QPointF(0, 0), window.size()));
    return painter.end();
}

bool writePng(QWidget &window, QIODevice &file)
{
    return window.grab().save(&file, "PNG");
}

struct FormatWriter
{
    ExportFormat format;
    const char *suffix;
    bool (*write)(QWidget &window, QIODevice &file);
};

constexpr FormatWriter formatWriters[] = {
    {ExportFormat::Pdf, "pdf", writePdf},
    {ExportFormat::Svg, "svg", writeSvg},
    {ExportFormat::Png, "png", writePng},
};

// The file is made in memory, where a painter or an image writer can fail only for want of
// memory, and reaches the disk in one checked write: the SVG generator, for one, ignores a
// device that fails to take its bytes, and a full disk would leave a cut-off file.
void writeRendered(const QString &path, const std::function<bool(QIODevice &)> &render)
{
    const std::string name = QFile::encodeName(path).toStdString();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!render(buffer))
        throw FileError(name, ENOMEM);
    SafeFile file(name);
    file.write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    file.commit();
}

bool paintedReport(QPaintDevice &device, const QWidget &window, const ReportPage &page)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paintReport(painter, page, window, QRectF(0, 0, device.width(), device.height()));
    return painter.end();
}

bool writeReportPdf(const QWidget &window, const ReportPage &page, QIODevice &file)
{
    QPdfWriter writer(&file);
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer.setCreator(QStringLiteral("Quelbor %1").arg(QString::fromLatin1(projectVersion)));
    writer.setTitle(QString::fromStdString(page.title));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    return paintedReport(writer, window, page);
}

bool writeReportSvg(const QWidget &window, const ReportPage &page, QIODevice &file)
{
    const int dpi = window.logicalDpiX();
    const QSize size = (QSizeF(page.width, page.height) * dpi / millimetresPerInch).toSize();
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setTitle(QString::fromStdString(page.title));
    generator.setResolution(dpi);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    return paintedReport(generator, window, page);
}

const FormatWriter *formatWriterOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FormatWriter &writer : formatWriters) {
        if (suffix == QLatin1String(writer.suffix))
            return &writer;
    }
    return nullptr;
}

} // namespace

std::optional<ExportFormat> exportFormatOf(const QString &path)
{
    const FormatWriter *writer = formatWriterOf(path);
    if (!writer)
        return std::nullopt;
    return writer->format;
}

void renderWindow(QWidget &window, QPainter &painter, const QRectF &target)
{
    painter.save();
    fitInto(painter, window.size(), target);
    window.render(&painter, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.restore();
}

// A widget rendered straight onto a printer arrives as one large image; recorded as a
// picture first, its texts, lines and charts reach the printer as they are.
bool printWindow(QWidget &window, QPrinter &printer)
{
    QPicture picture;
    {
        QPainter recorder(&picture);
        window.render(&recorder, QPoint(), QRegion(),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // A picture plays back at its own resolution: one of its pixels covers as much of the
    // page as a pixel of the screen it was recorded for.
    const double devicePixels = double(printer.logicalDpiX()) / picture.logicalDpiX();
    fitInto(painter, QSizeF(window.size()) * devicePixels,
            QRectF(0, 0, printer.width(), printer.height()));
    painter.drawPicture(0, 0, picture);
    return painter.end();
}

void exportWindow(QWidget &window, const QString &path)
{
    const FormatWriter *writer = formatWriterOf(path);
    if (!writer)
        throw std::invalid_argument("not a .pdf, .svg or .png file: " + path.toStdString());
    writeRendered(path, [&](QIODevice &file) { return writer->write(window, file); });
}

void exportReport(const QWidget &window, const ReportPage &page, const QString &path)
{
    const auto format = exportFormatOf(path);
    if (format == ExportFormat::Pdf)
        writeRendered(path, [&](QIODevice &file) { return writeReportPdf(window, page, file); });
    else if (format == ExportFormat::Svg)
        writeRendered(path, [&](QIODevice &file) { return writeReportSvg(window, page, file); });
    else
        throw std::invalid_argument("a report is a .pdf or .svg file: " + path.toStdString());
}

bool printReport(const QWidget &window, const ReportPage &page, QPrinter &printer)
{
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paintReport(painter, page, window, printer.paperRect(QPrinter::DevicePixel));
    return painter.end();
}

} // namespace quelbor
