#include "systemerrortext.h"

#include <QString>
#include <algorithm>

#include <cerrno>
#include <cstring>

namespace quelbor {

namespace {

struct GermanText
{
    int error;
    const char *text;
};

constexpr GermanText germanTexts[] = {
    {ENOSPC, "Auf dem Gerät ist kein Speicherplatz mehr verfügbar"},
    {EDQUOT, "Der zugewiesene Plattenplatz (Quota) ist überschritten"},
    {EFBIG, "Die Datei ist zu groß"},
    {EACCES, "Keine Berechtigung"},
    {EPERM, "Die Operation ist nicht erlaubt"},
    {EROFS, "Das Dateisystem ist nur lesbar"},
    {ENOENT, "Datei oder Verzeichnis nicht gefunden"},
    {ENOTDIR, "Ist kein Verzeichnis"},
    {EISDIR, "Ist ein Verzeichnis"},
    {ENAMETOOLONG, "Der Dateiname ist zu lang"},
    {ELOOP, "Zu viele Ebenen aus symbolischen Links"},
    {EIO, "Eingabe-/Ausgabefehler"},
    {ENOMEM, "Nicht genügend Hauptspeicher verfügbar"},
};

} // namespace

QString germanSystemError(int error)
{
    const auto german =
        std::find_if(std::begin(germanTexts), std::end(germanTexts),
                     [error](const GermanText &text) { return text.error == error; });
    if (german != std::end(germanTexts))
        return QString::fromUtf8(german->text);
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace quelbor
