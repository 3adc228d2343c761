// Renders the window icon into a PNG of its design size for the icon theme, with the same
// code that draws it on the window.
// Usage: quelbor-render-icon <file.png>

#include "svgpixmap.h"

#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quelbor-render-icon <file.png>\n");
        return 2;
    }
    constexpr int iconPixels = 32;
    const QPixmap icon = quelbor::svgPixmap(QStringLiteral(":/images/quelbor-icon.svg"),
                                            QSize(iconPixels, iconPixels), 1.0);
    if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot render the icon into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
