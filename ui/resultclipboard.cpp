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

// Each column: the label that captions it in the window and the box whose text it holds, in
// the order the window shows them from top to bottom.
struct Column
{
    const char *caption;
    const char *box;
};

constexpr Column columns[] = {
    {"Label41", "txt_Massebezeichnung"},
    {"lbl_rhoSE", "txt_rhoSE"},
    {"lbl_Xanf", "txt_Xanf"},
    {"lbl_ksiSE", "txt_ksiSE"},
    {"lbl_kappaMess", "txt_kappaMess"},
    {"lbl_thetaMess", "txt_thetaMess"},
    {"lbl_Xmess", "txt_Xmess"},
    {"Label39", "txt_KappaSteig"},
    {"lbl_psianf", "txt_psianf"},
    {"lbl_XSE", "txt_XSE"},
    {"lbl_psiSE", "txt_psiSE"},
    {"lbl_psi25", "txt_psi25"},
    {"lbl_kappa2525", "txt_kappa2525"},
    {"lbl_kappaGrenz", "txt_kappaGrenz"},
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

} // namespace

QString resultTable(const QWidget &window)
{
    QStringList captions;
    QStringList texts;
    for (const Column &column : columns) {
        captions.append(cell(control<QLabel>(window, column.caption).text().trimmed()));
        texts.append(cell(control<QLineEdit>(window, column.box).text()));
    }
    return captions.join(u'\t') + u'\n' + texts.join(u'\t') + u'\n';
}

} // namespace quelbor
