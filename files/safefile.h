#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <sys/stat.h>

namespace quelbor {

// A file that cannot be written: the name as the user gave it and the system's error number.
class FileError : public std::runtime_error
{
public:
    FileError(std::string path, int error);

    const std::string &path() const { return m_path; }
    int error() const { return m_error; }

private:
    std::string m_path;
    int m_error;
};

// Writes a file so that it is either complete or not there at all. A regular file (or a new
// one) is written into a hidden temporary file beside it, ".NAME.quelbor-incomplete-XXXXXX",
// which commit() flushes, syncs and renames over the target; until then the target keeps its
// old contents, and a SafeFile destroyed without commit() removes its temporary file. A
// replaced file keeps its permissions, a new one gets 0666 less the umask. A target that is
// not a regular file (a device, a FIFO, "-" for standard output) is written directly, since
// nothing could be renamed over it; its failures are reported all the same. Every failure
// throws FileError naming the target as given.
class SafeFile
{
public:
    explicit SafeFile(std::string target);
    ~SafeFile();
    SafeFile(const SafeFile &) = delete;
    SafeFile &operator=(const SafeFile &) = delete;

    // The stream to write to; every write is checked at the latest by commit().
    std::FILE *stream() const { return m_stream; }
    void write(const void *data, std::size_t size);
    void commit();

    const std::string &target() const { return m_target; }
    // Whether the file goes through a temporary file (false: written directly).
    bool throughTemporary() const { return !m_temporary.empty(); }
    // That file, for a library that writes only by name (it may open and truncate it): what
    // it writes there is committed like the stream's bytes. Empty when written directly.
    const std::string &temporaryPath() const { return m_temporary; }

private:
    void openTemporary(const std::string &folder, const std::string &name, const struct stat *old);
    void openDirectly();
    void fail(int error);
    void discard();

    std::string m_target;   // as given, for messages
    std::string m_resolved; // the file the temporary one replaces
    std::string m_temporary;
    std::FILE *m_stream = nullptr;
    bool m_ownsStream = true;
};

// On SIGINT, SIGTERM and SIGHUP, removes the temporary files of the SafeFiles still open and
// ends the process by the same signal, so its status is the usual 128 + n. A file beyond the
// size limit becomes a write error (EFBIG) instead of ending the process.
void removeTemporaryFilesOnSignals();

// Whether the descriptor and the path (or standard output for "-" and "") are the same regular
// file, through whatever links: a table must never be its own output.
bool sameRegularFile(int descriptor, const std::string &path);

} // namespace quelbor
