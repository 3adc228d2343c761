#include "uncertaintyinputtable.h"

#include "tableheight.h"
#include "uncertaintytext.h"

#include <QComboBox>
#include <QHeaderView>
#include <QStringList>

namespace quelbor {

namespace {

enum ColumnIndex { captionColumn, valueColumn, uncertaintyColumn, distributionColumn };

constexpr Distribution distributionChoices[] = {Distribution::Normal, Distribution::Rectangular,
                                                Distribution::Triangular};

QTableWidgetItem *readOnly(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

UncertaintyInputTable::UncertaintyInputTable(QWidget *parent)
    : QTableWidget(0, 4, parent)
{
    setObjectName(QStringLiteral("tbl_Eingaben"));
    setHorizontalHeaderLabels({QStringLiteral("Eingabe"), QStringLiteral("Wert"),
                               QStringLiteral("Standardunsicherheit"),
                               QStringLiteral("Verteilung")});
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(captionColumn, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(uncertaintyColumn, QHeaderView::Interactive);
    setColumnWidth(uncertaintyColumn, 2 * horizontalHeader()->sectionSizeHint(uncertaintyColumn));
    // Rows as high as the distribution's box, so the table's height is known before it shows.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(QComboBox().sizeHint().height());
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
}

void UncertaintyInputTable::setBody(const EnteredBody &body)
{
    const bool first = m_fields.empty();
    if (first)
        setRowCount(static_cast<int>(body.inputs.size()));
    QStringList names;
    for (std::size_t r = 0; r < body.inputs.size(); ++r) {
        const EnteredInput &input = body.inputs[r];
        const int row = static_cast<int>(r);
        names.append(QString::fromLatin1(inputValueFields[input.field].name));
        setItem(row, captionColumn, readOnly(input.caption));
        setItem(row, valueColumn, readOnly(input.text));
        item(row, valueColumn)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (!first)
            continue;
        m_fields.push_back(input.field);
        auto *amount = new QTableWidgetItem(QStringLiteral("0"));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        amount->setToolTip(QStringLiteral("In der Einheit der Eingabe oder in % ihres Werts "
                                          "(z. B. „3 %“); 0 oder leer: exakt"));
        setItem(row, uncertaintyColumn, amount);
        auto *distribution = new QComboBox(this);
        for (const Distribution choice : distributionChoices)
            distribution->addItem(QString::fromUtf8(germanDistributionName(choice)));
        setCellWidget(row, distributionColumn, distribution);
    }
    setVerticalHeaderLabels(names);
    fitHeightToRows(*this);
}

std::optional<StatedUncertainties> UncertaintyInputTable::stated(QString &problem)
{
    StatedUncertainties result;
    problem.clear();
    for (int row = 0; row < rowCount(); ++row) {
        QTableWidgetItem *amount = item(row, uncertaintyColumn);
        const std::optional<StatedUncertainty> read =
            readStatedAmount(amount->text().toStdString());
        amount->setBackground(read ? QBrush() : QBrush(QColor(255, 200, 200)));
        if (!read) {
            if (problem.isEmpty())
                problem = QStringLiteral("Die Unsicherheit von %1, „%2“, ist weder eine Zahl "
                                         "noch ein Prozentwert.")
                              .arg(verticalHeaderItem(row)->text(), amount->text());
            continue;
        }
        const auto *choice = static_cast<QComboBox *>(cellWidget(row, distributionColumn));
        StatedUncertainty &target = result[m_fields[static_cast<std::size_t>(row)]];
        target = *read;
        target.distribution = distributionChoices[static_cast<std::size_t>(choice->currentIndex())];
    }
    if (!problem.isEmpty())
        return std::nullopt;
    return result;
}

} // namespace quelbor
