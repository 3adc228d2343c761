#include "windowtransfer.h"

#include <QByteArray>
#include <QtGlobal>

namespace quelbor {

void sendWindowPicturesOverConnection()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("1"));
}

} // namespace quelbor
