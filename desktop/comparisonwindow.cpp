#include "comparisonwindow.h"

#include "comparisoncolumns.h"
#include "comparisonfile.h"
#include "comparisontable.h"
#include "comparisontablemodel.h"
#include "overlaychartpanel.h"
#include "resultexport.h"
#include "safefile.h"
#include "systemerrortext.h"
#include "xlsxtable.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace quelbor {

namespace {

// A button of the window's row and the keys that do the same.
struct Command
{
    const char *name;
    const char *text;
    QKeySequence keys;
    void (*run)(ComparisonWindow &);
};

QString withExtension(const QString &path, const QString &extension)
{
    return QFileInfo(path).suffix().isEmpty() ? path + extension : path;
}

// The window's captions are long: each column is as wide as its caption's longest word (at
// least a number's width) and the header as high as the most lines a caption wraps to. The
// style draws the captions of a selected row's cells in bold, so they are measured in bold.
void fitHeaderToCaptions(QTableView &table)
{
    constexpr int narrowest = 90;
    QHeaderView &header = *table.horizontalHeader();
    header.setSectionResizeMode(QHeaderView::Interactive);
    header.setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    const int padding =
        2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header) + 8;
    QFont bold = header.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const QAbstractItemModel &model = *table.model();
    int height = 0;
    for (int column = 0; column < model.columnCount(); ++column) {
        const QString caption = model.headerData(column, Qt::Horizontal).toString();
        int width = narrowest;
        for (const QString &word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            width = std::max(width, metrics.horizontalAdvance(word) + padding);
        header.resizeSection(column, width);
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, width - padding, 1000), Qt::TextWordWrap, caption);
        height = std::max(height, wrapped.height());
    }
    header.setFixedHeight(height + padding);
}

} // namespace

ComparisonWindow::ComparisonWindow(const QString &decimalSeparator, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_model(new ComparisonTableModel(decimalSeparator, this))
    , m_table(new QTableView)
    , m_kappa(new OverlayChartPanel(diffusivityAxes, drawDiffusivityOverlay,
                                    QStringLiteral("pic_VergleichKappa")))
    , m_schwindung(new OverlayChartPanel(shrinkageAxes, drawShrinkageOverlay,
                                         QStringLiteral("pic_VergleichSchwindung")))
    , m_directory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{
    setObjectName(QStringLiteral("frm_Vergleich"));
    setWindowTitle(QStringLiteral("Vergleich"));

    m_table->setObjectName(QStringLiteral("tbl_Vergleich"));
    m_table->setAccessibleName(QStringLiteral("Massen im Vergleich"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    fitHeaderToCaptions(*m_table);
    m_table->setColumnWidth(1, 220);
    m_table->setWordWrap(false);

    // The first five work on files, the printer and the clipboard, the others on the selected row.
    constexpr std::size_t lastFileCommand = 4;
    const Command commands[] = {
        {"cmd_Oeffnen", "Öffnen …", QKeySequence::Open, [](ComparisonWindow &w) { w.open(); }},
        {"cmd_Speichern", "Speichern …", QKeySequence::Save, [](ComparisonWindow &w) { w.save(); }},
        {"cmd_Kopieren", "Tabelle kopieren", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
         [](ComparisonWindow &w) { w.copy(); }},
        {"cmd_Ansicht", "Ansicht speichern …", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         [](ComparisonWindow &w) { w.saveView(); }},
        {"cmd_Drucken", "Drucken …", QKeySequence::Print, [](ComparisonWindow &w) { w.print(); }},
        {"cmd_Entfernen", "Entfernen", QKeySequence::Delete,
         [](ComparisonWindow &w) { w.removeCurrent(); }},
        {"cmd_NachOben", "Nach oben", QKeySequence(Qt::CTRL | Qt::Key_Up),
         [](ComparisonWindow &w) { w.moveCurrent(-1); }},
        {"cmd_NachUnten", "Nach unten", QKeySequence(Qt::CTRL | Qt::Key_Down),
         [](ComparisonWindow &w) { w.moveCurrent(1); }},
    };
    auto *buttons = new QHBoxLayout;
    for (std::size_t index = 0; index < std::size(commands); ++index) {
        const Command &command = commands[index];
        auto *button = new QPushButton(QString::fromUtf8(command.text));
        button->setObjectName(QString::fromLatin1(command.name));
        button->setToolTip(command.keys.toString(QKeySequence::NativeText));
        auto *action = new QAction(QString::fromUtf8(command.text), this);
        action->setShortcut(command.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        const auto run = command.run;
        connect(action, &QAction::triggered, this, [this, run] { run(*this); });
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        buttons->addWidget(button);
        if (index == lastFileCommand)
            buttons->addStretch();
    }

    auto *charts = new QHBoxLayout;
    charts->addWidget(m_kappa, 3);
    charts->addWidget(m_schwindung, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_table, 1);
    layout->addLayout(charts, 3);

    connect(m_model, &ComparisonTableModel::chartsChanged, this, &ComparisonWindow::redraw);
    resize(1240, 900);
    redraw();
}

void ComparisonWindow::addBody(ComparedBody body)
{
    m_model->add(std::move(body));
    m_table->selectRow(m_model->rowCount() - 1);
}

void ComparisonWindow::redraw()
{
    const auto &bodies = m_model->list().bodies();
    m_kappa->showBodies(bodies);
    m_schwindung->showBodies(bodies);
}

void ComparisonWindow::open()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Vergleich öffnen"), m_directory,
        QStringLiteral("CSV-Tabellen (*.csv *.txt);;Alle Dateien (*)"));
    if (path.isEmpty())
        return;
    m_directory = QFileInfo(path).absolutePath();
    TableOpening opening = openComparisonTable(path.toStdString());
    if (!opening.refusal.empty()) {
        QString reason = QString::fromUtf8(opening.refusal);
        if (opening.systemError != 0)
            reason += QStringLiteral(" ") + germanSystemError(opening.systemError);
        QMessageBox::warning(this, QStringLiteral("Quelbor"),
                             QStringLiteral("%1 wird nicht geöffnet: %2").arg(path, reason));
        return;
    }
    const bool wasEmpty = m_model->rowCount() == 0;
    m_model->addAll(std::move(opening.bodies));
    // A comparison that is just the file's holds nothing unsaved.
    if (wasEmpty)
        m_model->markSaved();
}

QString ComparisonWindow::chooseSaveName(const QString &title, const QStringList &filters,
                                         const QString &suggested, QString *filter)
{
    // The dialog asks before it replaces a file.
    QString chosen =
        QFileDialog::getSaveFileName(this, title, QDir(m_directory).filePath(suggested),
                                     filters.join(QStringLiteral(";;")), filter);
    if (!chosen.isEmpty())
        m_directory = QFileInfo(chosen).absolutePath();
    return chosen;
}

void ComparisonWindow::warnNotWritten(const QString &path, int error)
{
    QMessageBox::warning(
        this, QStringLiteral("Quelbor"),
        QStringLiteral("%1 kann nicht geschrieben werden: %2").arg(path, germanSystemError(error)));
}

bool ComparisonWindow::save()
{
    const QString workbookFilter = QStringLiteral("Excel-Arbeitsmappe (*.xlsx)");
    QString filter;
    const QString chosen = chooseSaveName(QStringLiteral("Vergleich speichern"),
                                          {QStringLiteral("CSV-Tabelle (*.csv)"), workbookFilter},
                                          QStringLiteral("Vergleich.csv"), &filter);
    if (chosen.isEmpty())
        return false;
    const bool workbook = filter == workbookFilter ||
                          QFileInfo(chosen).suffix().compare(u"xlsx", Qt::CaseInsensitive) == 0;
    const QString path =
        withExtension(chosen, workbook ? QStringLiteral(".xlsx") : QStringLiteral(".csv"));
    const auto bodies = m_model->list().bodies();
    try {
        if (workbook) {
            const ComparisonCells cells = comparisonTableCells(bodies);
            writeXlsxTable(path.toStdString(), cells.header, cells.rows);
        } else {
            saveComparisonTable(bodies, path.toStdString());
        }
    } catch (const FileError &failure) {
        warnNotWritten(path, failure.error());
        return false;
    } catch (const XlsxFailure &failure) {
        QMessageBox::warning(this, QStringLiteral("Quelbor"),
                             QStringLiteral("%1 kann nicht geschrieben werden: %2")
                                 .arg(path, QString::fromStdString(failure.what())));
        return false;
    }
    m_model->markSaved();
    return true;
}

void ComparisonWindow::copy()
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(comparisonClipboardTable(
        m_model->list().bodies(), m_model->decimalSeparator().toStdString())));
}

void ComparisonWindow::saveView()
{
    const QString chosen =
        chooseSaveName(QStringLiteral("Ansicht speichern"),
                       {QStringLiteral("PDF-Dokument (*.pdf)"),
                        QStringLiteral("SVG-Grafik (*.svg)"), QStringLiteral("PNG-Bild (*.png)")},
                       QStringLiteral("Vergleich.pdf"));
    if (chosen.isEmpty())
        return;
    const QString path = exportFormatOf(chosen) ? chosen : chosen + QStringLiteral(".pdf");
    try {
        exportWindow(*this, path);
    } catch (const FileError &failure) {
        warnNotWritten(path, failure.error());
    }
}

void ComparisonWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Vergleich"));
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printWindow(*this, printer))
        QMessageBox::warning(this, QStringLiteral("Quelbor"),
                             QStringLiteral("Der Vergleich konnte nicht gedruckt werden."));
}

void ComparisonWindow::removeCurrent()
{
    const int row = m_table->currentIndex().row();
    m_model->removeBody(row);
    if (m_model->rowCount() > 0)
        m_table->selectRow(std::min(row, m_model->rowCount() - 1));
}

void ComparisonWindow::moveCurrent(int step)
{
    const int row = m_table->currentIndex().row();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= m_model->rowCount())
        return;
    m_model->moveBody(row, to);
    m_table->selectRow(to);
}

bool ComparisonWindow::mayDiscard()
{
    if (!m_model->list().modified() || m_model->rowCount() == 0)
        return true;
    show();
    raise();
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Vergleich"),
        QStringLiteral("Der Vergleich hat Massen, die nicht gespeichert sind. Speichern?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

} // namespace quelbor
