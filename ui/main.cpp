#include "exportcommand.h"
#include "quelborwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (quelbor::asksForExport(argc, argv))
        return quelbor::runExportCommand(argc, argv);
    QApplication application(argc, argv);
    quelbor::QuelborWindow window;
    window.show();
    return application.exec();
}
