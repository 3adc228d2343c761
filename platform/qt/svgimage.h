#pragma once

#include <QLabel>
#include <QString>

namespace quelbor {

// An SVG image (a file or a resource such as ":/images/Picture1.svg") filling a label of the
// given size in window pixels. The screen shows it from a pixmap at the screen's pixel ratio;
// onto a PDF, an SVG or a printer it is drawn from its source, so its lines and texts stay
// lines and texts there.
class SvgImage : public QLabel
{
    Q_OBJECT

public:
    SvgImage(const QString &path, QSize size, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_path;
};

} // namespace quelbor
