#include "safefile.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace quelbor {

namespace {

// The temporary files open now, for the signal handler: plain characters and flags, since a
// handler may touch nothing else. A program writes one file at a time; four leave room.
struct PendingFile
{
    volatile std::sig_atomic_t active = 0;
    std::array<char, 4096> path{};
};
std::array<PendingFile, 4> pendingFiles;

void registerPending(const std::string &path)
{
    for (PendingFile &pending : pendingFiles) {
        if (!pending.active && path.size() < pending.path.size()) {
            std::memcpy(pending.path.data(), path.c_str(), path.size() + 1);
            pending.active = 1;
            return;
        }
    }
}

void unregisterPending(const std::string &path)
{
    for (PendingFile &pending : pendingFiles) {
        if (pending.active && path == pending.path.data())
            pending.active = 0;
    }
}

extern "C" void removePendingAndEnd(int signal)
{
    for (const PendingFile &pending : pendingFiles) {
        if (pending.active)
            ::unlink(pending.path.data());
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A name nobody else uses: O_EXCL refuses one that exists. The kernel applies the umask to
// 0666, as for any new file; mkstemp would give 0600.
int createTemporary(std::string &path, const std::string &folder, const std::string &name)
{
    static constexpr char letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::minstd_rand random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = folder;
        path.append("/.").append(name).append(".quelbor-incomplete-");
        for (int i = 0; i < 6; ++i)
            path += letters[pick(random)];
        const int descriptor =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

// Root replacing another user's file gives it back to that user. Anyone else cannot, and the
// new file is theirs, as after any editor's save.
void keepOwner(int descriptor, const struct stat &old)
{
    if (::fchown(descriptor, old.st_uid, old.st_gid) != 0)
        return;
}

// The rename itself lasts only once the folder is on the disk too; a folder that cannot be
// synced (some network file systems) still holds the complete file.
void syncFolder(const std::string &folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

} // namespace

FileError::FileError(std::string path, int error)
    : std::runtime_error(path + ": " + std::strerror(error))
    , m_path(std::move(path))
    , m_error(error)
{}

SafeFile::SafeFile(std::string target)
    : m_target(std::move(target))
{
    if (m_target.empty() || m_target == "-") {
        m_stream = stdout;
        m_ownsStream = false;
        return;
    }
    struct stat old
    {
    };
    if (::stat(m_target.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode))
            fail(EISDIR);
        if (!S_ISREG(old.st_mode)) {
            openDirectly();
            return;
        }
        // Through a symbolic link the file it names is replaced, and the link stays.
        char *real = ::realpath(m_target.c_str(), nullptr);
        if (!real)
            fail(errno);
        m_resolved = real;
        std::free(real);
        openTemporary(folderOf(m_resolved), nameOf(m_resolved), &old);
    } else if (errno == ENOENT) {
        m_resolved = m_target;
        openTemporary(folderOf(m_target), nameOf(m_target), nullptr);
    } else {
        fail(errno);
    }
}

SafeFile::~SafeFile()
{
    discard();
}

void SafeFile::openTemporary(const std::string &folder, const std::string &name,
                             const struct stat *old)
{
    std::string path;
    const int descriptor = createTemporary(path, folder, name);
    if (descriptor < 0)
        fail(errno);
    m_temporary = path;
    registerPending(m_temporary);
    if (old) {
        keepOwner(descriptor, *old);
        if (::fchmod(descriptor, old->st_mode & 07777) != 0) {
            const int error = errno;
            ::close(descriptor);
            fail(error);
        }
    }
    m_stream = ::fdopen(descriptor, "wb");
    if (!m_stream) {
        const int error = errno;
        ::close(descriptor);
        fail(error);
    }
}

void SafeFile::openDirectly()
{
    const int descriptor = ::open(m_target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        fail(errno);
    m_stream = ::fdopen(descriptor, "wb");
    if (!m_stream) {
        const int error = errno;
        ::close(descriptor);
        fail(error);
    }
}

void SafeFile::write(const void *data, std::size_t size)
{
    if (std::fwrite(data, 1, size, m_stream) != size)
        fail(errno);
}

void SafeFile::commit()
{
    if (std::fflush(m_stream) != 0 || std::ferror(m_stream))
        fail(errno ? errno : EIO);
    if (!m_ownsStream)
        return;
    // A device or FIFO cannot be synced (EINVAL); a regular file must be on the disk before
    // it replaces the old one.
    if (::fsync(::fileno(m_stream)) != 0 && (throughTemporary() || errno != EINVAL))
        fail(errno);
    std::FILE *written = m_stream;
    m_stream = nullptr;
    if (std::fclose(written) != 0)
        fail(errno);
    if (!throughTemporary())
        return;
    if (::rename(m_temporary.c_str(), m_resolved.c_str()) != 0)
        fail(errno);
    unregisterPending(m_temporary);
    m_temporary.clear();
    syncFolder(folderOf(m_resolved));
}

void SafeFile::fail(int error)
{
    discard();
    throw FileError(m_target, error);
}

void SafeFile::discard()
{
    if (m_stream && m_ownsStream)
        std::fclose(m_stream);
    m_stream = nullptr;
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        unregisterPending(m_temporary);
        m_temporary.clear();
    }
}

void removeTemporaryFilesOnSignals()
{
    // A file beyond the size limit (ulimit -f) would end the process by SIGXFSZ before any
    // cleanup; ignored, the write fails with EFBIG and is reported like a full disk.
    struct sigaction sizeLimit
    {
    };
    if (::sigaction(SIGXFSZ, nullptr, &sizeLimit) == 0 && sizeLimit.sa_handler == SIG_DFL)
        std::signal(SIGXFSZ, SIG_IGN);
    for (const int number : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction old
        {
        };
        // A signal ignored on start (nohup) stays ignored.
        if (::sigaction(number, nullptr, &old) == 0 && old.sa_handler == SIG_IGN)
            continue;
        struct sigaction action
        {
        };
        action.sa_handler = removePendingAndEnd;
        sigemptyset(&action.sa_mask);
        ::sigaction(number, &action, nullptr);
    }
}

bool sameRegularFile(int descriptor, const std::string &path)
{
    struct stat first
    {
    };
    struct stat second
    {
    };
    if (::fstat(descriptor, &first) != 0 || !S_ISREG(first.st_mode))
        return false;
    const bool standardOutput = path.empty() || path == "-";
    if ((standardOutput ? ::fstat(STDOUT_FILENO, &second) : ::stat(path.c_str(), &second)) != 0)
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace quelbor
