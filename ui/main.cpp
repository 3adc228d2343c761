#include "quelborwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    quelbor::QuelborWindow window;
    window.show();
    return application.exec();
}
