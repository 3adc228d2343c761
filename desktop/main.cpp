#include "exportcommand.h"
#include "quelborwindow.h"
#include "safefile.h"
#include "windowoptions.h"
#include "windowtransfer.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // A save or an export cut short by a signal leaves no half-written temporary file.
    quelbor::removeTemporaryFilesOnSignals();
    if (quelbor::asksForExport(argc, argv) && !quelbor::asksForHelpOrVersion(argc, argv))
        return quelbor::runExportCommand(argc, argv);
    quelbor::sendWindowPicturesOverConnection();
    const auto application = quelbor::createApplication(argc, argv);
    quelbor::readWindowOptions(*application);
    // The toolkit's own texts (file and print dialogs, the text boxes' menu) in the language
    // of the regional settings, as the window's own are German.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkitTexts);
    quelbor::QuelborWindow window;
    window.show();
    return QCoreApplication::exec();
}
