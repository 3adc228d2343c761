#include "quelborwindow.h"
#include "windowtransfer.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    quelbor::sendWindowPicturesOverConnection();
    QApplication application(argc, argv);
    quelbor::QuelborWindow window;
    window.show();
    return application.exec();
}
