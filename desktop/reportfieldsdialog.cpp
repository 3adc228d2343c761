#include "reportfieldsdialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace quelbor {

namespace {

// Each field: its label in the dialog, the box's object name and where its text belongs.
struct Field
{
    const char *label;
    const char *name;
    QString ReportFields::*text;
};

const Field fields[] = {
    {"&Labor:", "report_lab", &ReportFields::lab},
    {"B&earbeiter:", "report_operator", &ReportFields::operatorName},
    {"Be&zeichnung:", "report_body", &ReportFields::body},
    {"Be&merkung:", "report_remark", &ReportFields::remark},
};

constexpr int boxWidth = 360;

} // namespace

std::optional<ReportFields> askReportFields(QWidget &parent, const ReportFields &starting)
{
    QDialog dialog(&parent);
    dialog.setWindowTitle(QStringLiteral("Angaben zum Bericht"));
    auto *form = new QFormLayout(&dialog);
    for (const Field &field : fields) {
        auto *box = new QLineEdit(starting.*field.text, &dialog);
        box->setObjectName(QString::fromLatin1(field.name));
        box->setMinimumWidth(boxWidth);
        form->addRow(QString::fromUtf8(field.label), box);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    ReportFields entered;
    for (const Field &field : fields)
        entered.*field.text =
            dialog.findChild<QLineEdit *>(QString::fromLatin1(field.name))->text();
    keepReportFields(entered);
    return entered;
}

} // namespace quelbor
