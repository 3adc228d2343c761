// Makes the pictures of the main window for the documentation: the window as it opens and
// after "Rechne !" with the default inputs, under German regional settings.
// Usage: quelbor-screenshots <directory>

#include "quelborwindow.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPushButton>

#include <cstdio>

namespace {

bool save(QWidget &window, const QDir &directory, const QString &name)
{
    QApplication::processEvents();
    const QString path = directory.filePath(name);
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quelbor-screenshots <directory>\n");
        return 2;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    quelbor::QuelborWindow window;
    window.setErrorReporter([](const QString &message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::exit(1);
    });
    window.show();
    if (!save(window, directory, "window-input.png"))
        return 1;
    window.findChild<QPushButton *>("cmd_Rechne")->click();
    return save(window, directory, "window-result.png") ? 0 : 1;
}
