#pragma once

namespace quelbor {

// To be called before the application object exists. On an X server the window's pictures
// are sent over the connection rather than through shared-memory images: the window changes
// its size at every "Rechne !" and "Nochmal !", the toolkit then makes a new shared-memory
// image of the new size each time, and touching its fresh memory costs several times more than
// sending the window once (figures in docs/performance.md). QT_XCB_NO_MITSHM set in the
// environment is left as it is.
void sendWindowPicturesOverConnection();

} // namespace quelbor
