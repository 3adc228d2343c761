#include "resultexport.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPixmap>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

#include <algorithm>

namespace quelbor {

namespace {

constexpr double pointsPerInch = 72;

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
bool writePdf(QWidget &window, QSaveFile &file)
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

bool writeSvg(QWidget &window, QSaveFile &file)
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

bool writePng(QWidget &window, QSaveFile &file)
{
    return window.grab().save(&file, "PNG");
}

} // namespace

std::optional<ExportFormat> exportFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return ExportFormat::Pdf;
    if (suffix == QLatin1String("svg"))
        return ExportFormat::Svg;
    if (suffix == QLatin1String("png"))
        return ExportFormat::Png;
    return std::nullopt;
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

std::optional<QString> exportWindow(QWidget &window, const QString &path)
{
    const std::optional<ExportFormat> format = exportFormatOf(path);
    if (!format)
        return QStringLiteral("%1: not a .pdf, .svg or .png file").arg(path);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    bool written = false;
    switch (*format) {
    case ExportFormat::Pdf:
        written = writePdf(window, file);
        break;
    case ExportFormat::Svg:
        written = writeSvg(window, file);
        break;
    case ExportFormat::Png:
        written = writePng(window, file);
        break;
    }
    if (!written || !file.commit())
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    return std::nullopt;
}

} // namespace quelbor
