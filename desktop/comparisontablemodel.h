#pragma once

#include "comparisonlist.h"

#include <QAbstractTableModel>
#include <QString>

namespace quelbor {

// The comparison's bodies as a table for a QTableView: a first column whose check box shows or
// hides the body in the charts, beside a swatch of its colour, then the columns of
// comparisonColumns(). Only the name can be edited in place. Every change that the charts show
// is announced by chartsChanged().
class ComparisonTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ComparisonTableModel(QString decimalSeparator, QObject *parent = nullptr);

    const ComparisonList &list() const { return m_list; }
    const QString &decimalSeparator() const { return m_separator; }

    void add(ComparedBody body);
    void addAll(std::vector<ComparedBody> bodies);
    void removeBody(int row);
    void moveBody(int from, int to);
    void clear();
    void markSaved() { m_list.markSaved(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    void chartsChanged();

private:
    ComparisonList m_list;
    QString m_separator;
};

} // namespace quelbor
