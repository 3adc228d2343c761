#include "comparisontablemodel.h"

#include "comparisoncolumns.h"
#include "overlaychart.h"

#include <QBrush>
#include <QColor>

namespace quelbor {

namespace {

constexpr int shownColumn = 0;

const ComparisonColumn &columnAt(int section)
{
    return comparisonColumns()[std::size_t(section - 1)];
}

} // namespace

ComparisonTableModel::ComparisonTableModel(QString decimalSeparator, QObject *parent)
    : QAbstractTableModel(parent)
    , m_separator(std::move(decimalSeparator))
{}

void ComparisonTableModel::add(ComparedBody body)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_list.add(std::move(body));
    endInsertRows();
    emit chartsChanged();
}

void ComparisonTableModel::addAll(std::vector<ComparedBody> bodies)
{
    if (bodies.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + int(bodies.size()) - 1);
    for (ComparedBody &body : bodies)
        m_list.add(std::move(body));
    endInsertRows();
    emit chartsChanged();
}

void ComparisonTableModel::removeBody(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_list.remove(std::size_t(row));
    endRemoveRows();
    emit chartsChanged();
}

void ComparisonTableModel::moveBody(int from, int to)
{
    if (from < 0 || to < 0 || from >= rowCount() || to >= rowCount() || from == to)
        return;
    // Qt counts the destination before the move: one further down when moving down.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    m_list.move(std::size_t(from), std::size_t(to));
    endMoveRows();
    emit chartsChanged();
}

void ComparisonTableModel::clear()
{
    beginResetModel();
    m_list = ComparisonList();
    endResetModel();
    emit chartsChanged();
}

int ComparisonTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_list.size());
}

int ComparisonTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(comparisonColumns().size()) + 1;
}

QVariant ComparisonTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ComparedBody &body = m_list.bodies()[std::size_t(index.row())];
    if (index.column() == shownColumn) {
        if (role == Qt::CheckStateRole)
            return body.shown ? Qt::Checked : Qt::Unchecked;
        if (role == Qt::DecorationRole && body.error.empty()) {
            const Rgb colour = overlayColour(body, LineRole::Curve);
            return QColor(colour.red, colour.green, colour.blue);
        }
        if (role == Qt::ToolTipRole)
            return QStringLiteral("In den Diagrammen zeigen");
        return {};
    }
    const ComparisonColumn &column = columnAt(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
        return QString::fromUtf8(cellText(body, column, m_separator.toStdString()));
    case Qt::ForegroundRole:
        if (column.kind == ComparisonColumn::Kind::Error)
            return QBrush(QColor(192, 0, 0));
        return {};
    case Qt::TextAlignmentRole:
        if (column.kind == ComparisonColumn::Kind::Input ||
            column.kind == ComparisonColumn::Kind::Result)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant ComparisonTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section == shownColumn)
        return QStringLiteral("Zeigen");
    return QString::fromUtf8(columnAt(section).caption);
}

Qt::ItemFlags ComparisonTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == shownColumn)
        flags |= Qt::ItemIsUserCheckable;
    else if (columnAt(index.column()).kind == ComparisonColumn::Kind::Name)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ComparisonTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= rowCount())
        return false;
    const auto row = std::size_t(index.row());
    if (index.column() == shownColumn && role == Qt::CheckStateRole) {
        m_list.setShown(row, value.toInt() == Qt::Checked);
    } else if (index.column() != shownColumn && role == Qt::EditRole &&
               columnAt(index.column()).kind == ComparisonColumn::Kind::Name) {
        m_list.rename(row, value.toString().toStdString());
    } else {
        return false;
    }
    emit dataChanged(index, index, {role});
    emit chartsChanged();
    return true;
}

} // namespace quelbor
