#pragma once

class QString;

namespace quelbor {

// The cause of a failed file operation as the window names it: in German for the errors met
// when saving (a full disk, a folder without permission ...), in the words of the C library's
// German translation, so that the window reads the same whether that translation is installed
// or not; any other error in the system's own text.
QString germanSystemError(int error);

} // namespace quelbor
