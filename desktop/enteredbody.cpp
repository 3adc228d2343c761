#include "enteredbody.h"

#include "inputvalues.h"
#include "quelborwindow.h"

#include <QLabel>
#include <QLineEdit>

#include <stdexcept>
#include <string>

namespace quelbor {

namespace {

// The inputs from top to bottom: the label captioning each and the model field it holds. The
// box is "txt_" and the field's name.
struct InputRow
{
    const char *caption;
    const char *field;
    std::string InputTexts::*text;
};

constexpr InputRow inputRows[] = {
    {"lbl_rhoSE", "rhoSE", &InputTexts::rhoSE},
    {"lbl_Xanf", "Xanf", &InputTexts::Xanf},
    {"lbl_ksiSE", "ksiSE", &InputTexts::ksiSE},
    {"lbl_kappaMess", "kappaMess", &InputTexts::kappaMess},
    {"lbl_thetaMess", "thetaMess", &InputTexts::thetaMess},
    {"lbl_Xmess", "Xmess", &InputTexts::Xmess},
    {"Label39", "KappaSteig", &InputTexts::KappaSteig},
};

template <typename T> const T &control(const QWidget &window, const QString &name)
{
    const T *found = window.findChild<T *>(name, Qt::FindDirectChildrenOnly);
    if (!found)
        throw std::logic_error("no control " + name.toStdString());
    return *found;
}

std::size_t fieldIndex(std::string_view name)
{
    for (std::size_t i = 0; i < inputValueFields.size(); ++i) {
        if (name == inputValueFields[i].name)
            return i;
    }
    throw std::logic_error("no input " + std::string(name));
}

} // namespace

EnteredBody enteredBody(const QuelborWindow &window)
{
    EnteredBody body;
    for (const InputRow &row : inputRows) {
        const QString text =
            control<QLineEdit>(window, QStringLiteral("txt_") + QString::fromLatin1(row.field))
                .text();
        body.inputs.push_back(
            {fieldIndex(row.field),
             control<QLabel>(window, QString::fromLatin1(row.caption)).text().simplified(), text});
        body.texts.*row.text = text.toStdString();
    }
    for (std::size_t out = 0; out < outputCount; ++out) {
        body.resultCaptions[out] =
            control<QLabel>(window,
                            QStringLiteral("lbl_") + QString::fromLatin1(outputNames()[out]))
                .text()
                .simplified();
    }
    body.decimalSeparator = QString::fromStdString(window.decimalSeparator());
    return body;
}

} // namespace quelbor
