#include "commandbutton.h"

#include <QKeyEvent>

namespace quelbor {

namespace {

// White face, a thin grey border, and a darker, wider one while the button has the focus.
constexpr char face[] = "QPushButton { background-color: rgb(255, 255, 255);"
                        " border: 1px solid rgb(118, 118, 118); }"
                        "QPushButton:focus { border: 2px solid rgb(0, 84, 153); }"
                        "QPushButton:pressed { background-color: rgb(204, 228, 247); }";

} // namespace

CommandButton::CommandButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setAutoDefault(false);
    setStyleSheet(QString::fromLatin1(face));
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    const bool returnKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (returnKey && !event->isAutoRepeat() && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace quelbor
