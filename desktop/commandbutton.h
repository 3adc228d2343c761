#pragma once

#include <QPushButton>

namespace quelbor {

// A command button with a white face that a user presses with the mouse, or with Space,
// Return or Enter while it has the keyboard focus.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(const QString &text, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace quelbor
