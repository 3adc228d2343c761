#include "resultactions.h"

#include "comparisonwindow.h"
#include "enteredbody.h"
#include "quelborwindow.h"
#include "reportfieldsdialog.h"
#include "resultclipboard.h"
#include "resultexport.h"
#include "safefile.h"
#include "systemerrortext.h"
#include "uncertaintywindow.h"
#include "windowreport.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <optional>

namespace quelbor {

namespace {

// The file types of the save dialog, each with the extension a name without one receives.
struct FileType
{
    const char *filter;
    const char *extension;
};

constexpr FileType fileTypes[] = {
    {"PDF-Dokument (*.pdf)", ".pdf"},
    {"SVG-Grafik (*.svg)", ".svg"},
    {"PNG-Bild (*.png)", ".png"},
};

QString withExtension(const QString &path, const QString &filter)
{
    if (exportFormatOf(path))
        return path;
    for (const FileType &type : fileTypes) {
        if (filter == QString::fromUtf8(type.filter))
            return path + QString::fromLatin1(type.extension);
    }
    return path + QString::fromLatin1(fileTypes[0].extension);
}

} // namespace

ResultActions::ResultActions(QuelborWindow &window)
    : QObject(&window)
    , m_window(window)
    , m_directory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{
    addAction(QStringLiteral("Ergebnis speichern …"), QKeySequence(Qt::CTRL | Qt::Key_S),
              &ResultActions::save);
    addAction(QStringLiteral("Drucken …"), QKeySequence(Qt::CTRL | Qt::Key_P),
              &ResultActions::print);
    addAction(QStringLiteral("Ergebnisse kopieren"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
              &ResultActions::copy);
    addAction(QStringLiteral("Messunsicherheit …"), QKeySequence(Qt::CTRL | Qt::Key_M),
              &ResultActions::openUncertainty);
    addAction(QStringLiteral("Zum Vergleich hinzufügen"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &ResultActions::addToComparison);
    addAction(QStringLiteral("Vergleich öffnen"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
              &ResultActions::openComparison, When::Always);
    window.installEventFilter(this);

    // A right click on a label, picture, chart or button comes to the window, as none of them
    // has a menu of its own; the text boxes keep theirs.
    window.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&window, &QWidget::customContextMenuRequested, this, &ResultActions::showMenu);
}

QAction *ResultActions::addAction(const QString &text, const QKeySequence &keys,
                                  void (ResultActions::*run)(), When when)
{
    auto *action = new QAction(text, this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, run, when] {
        if (when == When::Always || m_window.showsResult())
            (this->*run)();
    });
    m_window.addAction(action);
    m_actions.append(action);
    return action;
}

void ResultActions::showMenu(const QPoint &position)
{
    if (!m_window.showsResult())
        return;
    QMenu menu(&m_window);
    menu.addActions(m_actions);
    menu.exec(m_window.mapToGlobal(position));
}

void ResultActions::save()
{
    QStringList filters;
    for (const FileType &type : fileTypes)
        filters.append(QString::fromUtf8(type.filter));
    QString filter = filters.first();
    const QString chosen = QFileDialog::getSaveFileName(
        &m_window, QStringLiteral("Ergebnis speichern"),
        QDir(m_directory).filePath(bodyName() + QString::fromLatin1(fileTypes[0].extension)),
        filters.join(QStringLiteral(";;")), &filter);
    if (chosen.isEmpty())
        return;
    const QString path = withExtension(chosen, filter);
    m_directory = QFileInfo(path).absolutePath();
    // A PDF is the report to file; SVG and PNG are pictures of the window.
    std::optional<ReportFields> fields;
    if (exportFormatOf(path) == ExportFormat::Pdf) {
        fields = askReportFields(m_window, startingReportFields(m_window));
        if (!fields)
            return;
    }
    try {
        if (fields)
            exportReport(m_window, report(*fields), path);
        else
            exportWindow(m_window, path);
    } catch (const FileError &failure) {
        QMessageBox::warning(&m_window, QStringLiteral("Quelbor"),
                             QStringLiteral("%1 kann nicht geschrieben werden: %2")
                                 .arg(path, germanSystemError(failure.error())));
    }
}

void ResultActions::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(bodyName());
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, &m_window);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto fields = askReportFields(m_window, startingReportFields(m_window));
    if (!fields)
        return;
    if (!printReport(m_window, report(*fields), printer))
        QMessageBox::warning(&m_window, QStringLiteral("Quelbor"),
                             QStringLiteral("Das Ergebnis konnte nicht gedruckt werden."));
}

void ResultActions::copy()
{
    QGuiApplication::clipboard()->setText(
        resultTable(m_window, QString::fromStdString(m_window.decimalSeparator())));
}

// One window for the main window's life: the uncertainties stated in it stay for the next body.
void ResultActions::openUncertainty()
{
    if (!m_uncertainty)
        m_uncertainty = new UncertaintyWindow(&m_window);
    m_uncertainty->setBody(enteredBody(m_window));
    m_uncertainty->show();
    m_uncertainty->raise();
    m_uncertainty->activateWindow();
}

ComparisonWindow &ResultActions::comparison()
{
    if (!m_comparison)
        m_comparison =
            new ComparisonWindow(QString::fromStdString(m_window.decimalSeparator()), &m_window);
    return *m_comparison;
}

// The body as calculated by the same press as "Rechne !", under the name in its box.
void ResultActions::addToComparison()
{
    const QString name =
        m_window.findChild<QLineEdit *>(QStringLiteral("txt_Massebezeichnung"))->text();
    comparison().addBody(calculateBody(name.toStdString(), enteredBody(m_window).texts));
    openComparison();
}

void ResultActions::openComparison()
{
    comparison().show();
    comparison().raise();
    comparison().activateWindow();
}

// The program ends with its main window: not before the comparison's bodies are saved or
// given up.
bool ResultActions::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Close && m_comparison &&
        !m_comparison->mayDiscard()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// With the uncertainty window's figures while the main window's inputs are still theirs.
ReportPage ResultActions::report(const ReportFields &fields) const
{
    return windowReport(m_window, fields, m_window.calculatedAt(),
                        m_uncertainty ? m_uncertainty->shownEvaluation(enteredBody(m_window).texts)
                                      : nullptr);
}

// The body's name, so that a series of bodies is saved and printed under telling names.
QString ResultActions::bodyName() const
{
    QString name = m_window.findChild<QLineEdit *>(QStringLiteral("txt_Massebezeichnung"))
                       ->text()
                       .simplified();
    name.replace(u'/', u'-');
    if (name.isEmpty() || name.startsWith(u'.'))
        name = QStringLiteral("Quelbor");
    return name;
}

} // namespace quelbor
