#include "exportcommand.h"
#include "quelborwindow.h"
#include "windowtransfer.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    if (quelbor::asksForExport(argc, argv))
        return quelbor::runExportCommand(argc, argv);
    quelbor::sendWindowPicturesOverConnection();
    QApplication application(argc, argv);
    // The toolkit's own texts (file and print dialogs, the text boxes' menu) in the language
    // of the regional settings, as the window's own are German.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitTexts);
    quelbor::QuelborWindow window;
    window.show();
    return application.exec();
}
