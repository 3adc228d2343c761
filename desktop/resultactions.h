#pragma once

#include "reportpage.h"

#include <QObject>
#include <QString>

class QAction;
class QPoint;

namespace quelbor {

class QuelborWindow;
class UncertaintyWindow;
struct ReportFields;

// What the main window offers for its result once a calculation has completed: saving it as
// PDF, SVG or PNG (Ctrl+S), printing it fitted to the page (Ctrl+P), copying the inputs and
// results as a table (Ctrl+Shift+C) and the measurement uncertainty of the results in a window
// of its own (Ctrl+M; Ctrl+U would clear the line of a text box on X11). The four are on the
// keyboard and in a context menu that a right click anywhere on the window opens, outside the
// text boxes, which keep their own. In the input state, and after a calculation that failed,
// none of them is offered.
class ResultActions : public QObject
{
    Q_OBJECT

public:
    explicit ResultActions(QuelborWindow &window);

private:
    QAction *addAction(const QString &text, const QKeySequence &keys, void (ResultActions::*run)());
    void showMenu(const QPoint &position);
    void save();
    void print();
    void copy();
    void openUncertainty();
    ReportPage report(const ReportFields &fields) const;
    QString bodyName() const;

    QuelborWindow &m_window;
    QList<QAction *> m_actions;
    QString m_directory;
    UncertaintyWindow *m_uncertainty = nullptr;
};

} // namespace quelbor
