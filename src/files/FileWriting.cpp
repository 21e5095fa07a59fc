#include "files/FileWriting.h"

#include "SystemReason.h"

#include <cerrno>
#include <climits>
#include <random>

#include <fcntl.h>
#include <locale.h>
#include <pthread.h>
#include <signal.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rsa {

namespace {

// The kernel gives up after as many links in one lookup; so do we.
constexpr int maxLinksFollowed = 40;

// The folder part with its trailing slash, so a name can simply be appended:
// "a" gives "", "/a" gives "/", "b/a" gives "b/".
std::string folderOf(const std::string& path) {
    return path.substr(0, path.rfind('/') + 1);
}

// Only the last component is followed here, so that the link stays and the file
// it names is replaced in that file's own folder; links among the folders on
// the way are resolved by the kernel in every call. Returns 0 or an errno value.
int followLinks(std::string& path, struct stat& info, bool& exists) {
    for (int followed = 0;; ++followed) {
        if (lstat(path.c_str(), &info) != 0) {
            // A dangling link ends here too: its file is created, as a shell
            // redirection through the link would do.
            exists = false;
            return errno == ENOENT ? 0 : errno;
        }
        exists = true;
        if (!S_ISLNK(info.st_mode)) {
            return 0;
        }
        if (followed == maxLinksFollowed) {
            return ELOOP;
        }
        // st_size of a link is not reliable on every file system.
        std::string link(PATH_MAX, '\0');
        const ssize_t length = readlink(path.c_str(), link.data(), link.size());
        if (length < 0) {
            return errno;
        }
        link.resize(static_cast<std::size_t>(length));
        path = link[0] == '/' ? link : folderOf(path) + link;
    }
}

// The name is short and never built from the target's name: a target name near
// the 255-byte limit leaves no room for a suffix.
std::string temporaryName(const std::string& folder) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    std::string name = folder + ".rsa";
    for (int i = 0; i < 6; ++i) {
        name += letters[pick(random)];
    }
    return name;
}

// Mode 0666 lets the umask and a default ACL of the folder apply, as for any
// newly created file.
int createNamed(const std::string& folder, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryName(folder);
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    name.clear();
    return -1;
}

// A file without a name vanishes with the last descriptor, so a writer killed
// mid-way leaves nothing in the user's folder.
int createUnnamed(const std::string& folder) {
    return open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

// Only a complete file gets a name. linkat cannot replace a file, so the name
// is a temporary one, renamed over the target at once. Through /proc anyone
// may link a file they hold open; without /proc, AT_EMPTY_PATH does it for
// those allowed to (root). Returns 0 or an errno value.
int nameUnnamed(int fd, const std::string& folder, std::string& name) {
    const std::string held = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryName(folder);
        if (linkat(AT_FDCWD, held.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            (errno == ENOENT && linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0)) {
            return 0;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    const int error = errno;
    name.clear();
    return error;
}

// Past a file-size limit (ulimit -f) the kernel sends SIGXFSZ, whose default
// action ends the program. Held back in this thread while the file is
// written, the write fails with EFBIG instead, the save is reported like one
// on a full disk, and the signal it raised is taken out before the others are
// let through again. A handler installed by someone else is left to work.
class FileSizeSignalHeld {
public:
    FileSizeSignalHeld() {
        struct sigaction current {};
        sigaction(SIGXFSZ, nullptr, &current);
        m_held = (current.sa_flags & SA_SIGINFO) == 0 && current.sa_handler == SIG_DFL;
        sigemptyset(&m_fileSize);
        sigaddset(&m_fileSize, SIGXFSZ);
        if (m_held) {
            pthread_sigmask(SIG_BLOCK, &m_fileSize, &m_previous);
        }
    }
    ~FileSizeSignalHeld() {
        if (!m_held) {
            return;
        }
        const timespec noWait{0, 0};
        while (sigtimedwait(&m_fileSize, nullptr, &noWait) == SIGXFSZ) {
        }
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
    FileSizeSignalHeld(const FileSizeSignalHeld&) = delete;
    FileSizeSignalHeld& operator=(const FileSizeSignalHeld&) = delete;

private:
    bool m_held = false;
    sigset_t m_fileSize{};
    sigset_t m_previous{};
};

// A write may take only part of the bytes or be interrupted by a signal; only a
// failing call says why the rest cannot be written.
int writeAll(int fd, const std::string& bytes) {
    const FileSizeSignalHeld held;
    const char* next = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = write(fd, next, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return errno;
        }
        if (written == 0) {
            // A regular file that takes no byte at all has no room left.
            return ENOSPC;
        }
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

// Until the folder is on disk a crash could bring the old file back. The file is
// replaced by now, so a failure here is nothing the user could act on.
void syncFolder(const std::string& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// Fills a new file in `folder` with `bytes` (with the owner and permissions of
// the file it replaces, if any), flushes it to disk and names it `name`.
// Returns 0 or an errno value; on failure nothing is left in the folder.
int prepareReplacement(bool unnamed, const std::string& folder, const std::string& bytes,
                       const struct stat* existing, std::string& name) {
    name.clear();
    const int fd = unnamed ? createUnnamed(folder) : createNamed(folder, name);
    if (fd < 0) {
        return errno;
    }
    int error = 0;
    if (existing != nullptr) {
        // Root saving over someone's file should not take it over; anyone else
        // may not give a file away, and then keeping the owner is not possible.
        [[maybe_unused]] const int ownerKept = fchown(fd, existing->st_uid, existing->st_gid);
        if (fchmod(fd, existing->st_mode & 07777) != 0) {
            error = errno;
        }
    }
    if (error == 0) {
        error = writeAll(fd, bytes);
    }
    // Without fsync a full disk or an I/O error may only show after the rename,
    // when the old content is already gone.
    if (error == 0 && fsync(fd) != 0) {
        error = errno;
    }
    if (error == 0 && unnamed) {
        error = nameUnnamed(fd, folder, name);
    }
    // Linux releases the descriptor even when close is interrupted, and the
    // data is on disk already.
    if (close(fd) != 0 && errno != EINTR && error == 0) {
        error = errno;
    }
    if (error != 0 && !name.empty()) {
        unlink(name.c_str());
    }
    return error;
}

} // namespace

std::optional<std::string> replaceFileContent(const std::string& path, const std::string& bytes) {
    std::string target = path;
    struct stat existing {};
    bool exists = false;
    if (const int error = followLinks(target, existing, exists)) {
        return reasonOf(error);
    }
    if (exists && S_ISDIR(existing.st_mode)) {
        return std::string("Filename refers to a directory");
    }
    // Renaming over a FIFO or a device would swap it for a plain file, and
    // opening one to write could block for a reader or reach the hardware.
    if (exists && !S_ISREG(existing.st_mode)) {
        return std::string("Not a regular file");
    }
    // A rename is not stopped by a read-only file, not even for other users;
    // the user made it read-only so that it is not overwritten.
    if (exists && !(existing.st_mode & S_IWUSR)) {
        return reasonOf(EACCES);
    }

    const std::string folder = folderOf(target);
    const struct stat* replaced = exists ? &existing : nullptr;
    std::string temporary;
    int error = prepareReplacement(true, folder, bytes, replaced, temporary);
    // The file system has no unnamed files (EOPNOTSUPP; EISDIR from kernels
    // before 3.11), or there is no /proc to name one through (ENOENT; a missing
    // folder gives the same reason again below).
    if (error == EOPNOTSUPP || error == EISDIR || error == ENOENT) {
        error = prepareReplacement(false, folder, bytes, replaced, temporary);
    }
    if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        unlink(temporary.c_str());
    }
    if (error != 0) {
        return reasonOf(error);
    }
    syncFolder(folder);
    return std::nullopt;
}

} // namespace rsa
