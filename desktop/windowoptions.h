#pragma once

#include <memory>

class QCoreApplication;

namespace quelbor {

// True when the command line asks for --help or --version, which are answered before anything
// else is done.
bool asksForHelpOrVersion(int argc, char **argv);

// The application object for this command line: a plain QCoreApplication when only --help or
// --version is asked for, so both answer without a display; the QApplication of the window
// otherwise, which takes Qt's own options (-platform, -style ...) out of argv first.
std::unique_ptr<QCoreApplication> createApplication(int &argc, char **argv);

// Reads quelbor's options for the window. --help and --version print their text and end the
// process with status 0 (the help lists the export's options too); an unknown option, an
// argument or an export option without --export ends it with status 2 after a message on
// stderr.
void readWindowOptions(const QCoreApplication &application);

} // namespace quelbor
