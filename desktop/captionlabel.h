#pragma once

#include <QLabel>
#include <QPixmap>

namespace quelbor {

// A label of plain text on its own background that paints exactly as QLabel does, on the screen
// from a picture of itself made at its first paint: the window shows some eighty of them, and
// all of them are painted again after each "Rechne !". The picture is made anew when the
// label's text, size, font, colours or pixel ratio change. Onto a PDF, an SVG or a printer the
// label paints as QLabel itself, so that its text stays text there.
class CaptionLabel : public QLabel
{
    Q_OBJECT

public:
    CaptionLabel(const QString &text, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPixmap m_picture;
    QString m_pictured;  // the text in the picture
    bool m_stale = true; // font, colours or style changed since the picture was made
};

} // namespace quelbor
