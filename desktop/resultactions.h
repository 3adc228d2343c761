#pragma once

#include "reportpage.h"

#include <QObject>
#include <QString>

class QAction;
class QPoint;

namespace quelbor {

class ComparisonWindow;
class QuelborWindow;
class UncertaintyWindow;
struct ReportFields;

// What the main window offers for its result once a calculation has completed: saving it as
// PDF, SVG or PNG (Ctrl+S), printing it fitted to the page (Ctrl+P), copying the inputs and
// results as a table (Ctrl+Shift+C) and the measurement uncertainty of the results in a window
// of its own (Ctrl+M; Ctrl+U would clear the line of a text box on X11). The four are on the
// keyboard and in a context menu that a right click anywhere on the window opens, outside the
// text boxes, which keep their own. The body can also be kept for comparison (Ctrl+Shift+V,
// "Zum Vergleich hinzufügen") in the window "Vergleich", which Ctrl+Shift+O opens at any time.
// In the input state, and after a calculation that failed, nothing else is offered. While the
// comparison holds unsaved bodies, closing the main window asks first.
class ResultActions : public QObject
{
    Q_OBJECT

public:
    explicit ResultActions(QuelborWindow &window);

private:
    enum class When { AfterResult, Always };

    QAction *addAction(const QString &text, const QKeySequence &keys, void (ResultActions::*run)(),
                       When when = When::AfterResult);
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showMenu(const QPoint &position);
    void save();
    void print();
    void copy();
    void openUncertainty();
    void addToComparison();
    void openComparison();
    ComparisonWindow &comparison();
    ReportPage report(const ReportFields &fields) const;
    QString bodyName() const;

    QuelborWindow &m_window;
    QList<QAction *> m_actions;
    QString m_directory;
    UncertaintyWindow *m_uncertainty = nullptr;
    ComparisonWindow *m_comparison = nullptr;
};

} // namespace quelbor
