#include "resultclipboard.h"

#include "copiedcolumns.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace quelbor {

namespace {

template <typename T> const T &control(const QWidget &window, std::string_view name)
{
    const T *found = window.findChild<T *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (!found)
        throw std::logic_error("no control " + std::string(name));
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
    for (const CopiedColumn &column : copiedColumns) {
        captions.append(cell(control<QLabel>(window, column.caption).text().trimmed()));
        const QString text = control<QLineEdit>(window, column.box).text();
        texts.append(cell(column.number ? withDecimalSeparator(text, decimalSeparator) : text));
    }
    return captions.join(u'\t') + u'\n' + texts.join(u'\t') + u'\n';
}

} // namespace quelbor
