#include "files/FileReading.h"

#include "SystemReason.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rsa {

std::variant<FileContent, ReadFailure> readFileContent(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return ReadFailure{reasonOf(errno)};
    }
    if (S_ISDIR(info.st_mode)) {
        return ReadFailure{reasonOf(EISDIR)};
    }
    if (!S_ISREG(info.st_mode)) {
        return ReadFailure{"Not a regular file"};
    }
    if (static_cast<std::size_t>(info.st_size) > largestReadableFile) {
        return ReadFailure{reasonOf(EFBIG)};
    }
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return ReadFailure{reasonOf(errno)};
    }
    FileContent content;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            close(fd);
            return ReadFailure{reasonOf(error)};
        }
        if (got == 0) {
            break;
        }
        content.bytes.append(buffer, static_cast<std::size_t>(got));
        if (content.bytes.size() > largestReadableFile) {
            close(fd);
            return ReadFailure{reasonOf(EFBIG)};
        }
    }
    close(fd);
    return content;
}

} // namespace rsa
