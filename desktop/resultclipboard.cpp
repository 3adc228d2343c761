#include "resultclipboard.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace quelbor {

namespace {

// Each column: the label that captions it in the window, the box whose text it holds and
// whether that text is a number, in the order the window shows them from top to bottom.
struct Column
{
    const char *caption;
    const char *box;
    bool number;
};

constexpr Column columns[] = {
    {"Label41", "txt_Massebezeichnung", false},
    {"lbl_rhoSE", "txt_rhoSE", true},
    {"lbl_Xanf", "txt_Xanf", true},
    {"lbl_ksiSE", "txt_ksiSE", true},
    {"lbl_kappaMess", "txt_kappaMess", true},
    {"lbl_thetaMess", "txt_thetaMess", true},
    {"lbl_Xmess", "txt_Xmess", true},
    {"Label39", "txt_KappaSteig", true},
    {"lbl_psianf", "txt_psianf", true},
    {"lbl_XSE", "txt_XSE", true},
    {"lbl_psiSE", "txt_psiSE", true},
    {"lbl_psi25", "txt_psi25", true},
    {"lbl_kappa2525", "txt_kappa2525", true},
    {"lbl_kappaGrenz", "txt_kappaGrenz", true},
};

template <typename T> const T &control(const QWidget &window, const char *name)
{
    const T *found = window.findChild<T *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (!found)
        throw std::logic_error(std::string("no control ") + name);
    return *found;
}

QString cell(QString text)
{
    std::replace_if(
        text.begin(), text.end(),
        [](QChar character) {
            return character == u'\t' || character == u'\n' || character == u'\r';
        },
        QChar(u' '));
    return text;
}

QString withDecimalSeparator(QString number, const QString &separator)
{
    return number.replace(u',', separator).replace(u'.', separator);
}

} // namespace

QString resultTable(const QWidget &window, const QString &decimalSeparator)
{
    QStringList captions;
    QStringList texts;
    for (const Column &column : columns) {
        captions.append(cell(control<QLabel>(window, column.caption).text().trimmed()));
        const QString text = control<QLineEdit>(window, column.box).text();
        texts.append(cell(column.number ? withDecimalSeparator(text, decimalSeparator) : text));
    }
    return captions.join(u'\t') + u'\n' + texts.join(u'\t') + u'\n';
}

} // namespace quelbor
