#pragma once

#include "comparedbody.h"

#include <QWidget>

class QTableView;

namespace quelbor {

class ComparisonTableModel;
class OverlayChartPanel;

// "Vergleich": the bodies kept for comparison as a table, one row a body (shown or hidden in the
// charts by its check box, renamed in place, removed and moved by the buttons or keys), and the
// diffusivity and shrinkage charts with every shown body in its colour. "Öffnen …" adds the
// bodies of a table, "Speichern …" writes them as one that quelbor-calc --batch reads; the
// table can be copied and the view saved as PDF, SVG or PNG. Closing the window only hides it:
// the bodies stay until the program ends, which asks first while some are unsaved.
class ComparisonWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ComparisonWindow(const QString &decimalSeparator, QWidget *parent = nullptr);

    void addBody(ComparedBody body);
    const ComparisonTableModel &model() const { return *m_model; }
    // Asks whether to save unsaved bodies; false when the user cancels or saving fails.
    bool mayDiscard();

private:
    void open();
    bool save();
    void copy();
    void saveView();
    void print();
    void removeCurrent();
    void moveCurrent(int step);
    void redraw();
    QString chooseSaveName(const QString &title, const QStringList &filters,
                           const QString &suggested, QString *filter = nullptr);
    void warnNotWritten(const QString &path, int error);

    ComparisonTableModel *m_model;
    QTableView *m_table;
    OverlayChartPanel *m_kappa;
    OverlayChartPanel *m_schwindung;
    QString m_directory;
};

} // namespace quelbor
