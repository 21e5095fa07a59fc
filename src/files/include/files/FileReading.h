#pragma once

// Reading back a file the program or a classmate saved, with the same plain
// English reasons as the file writer. Files handed between learners are a
// line or two, so anything beyond a generous limit is refused rather than
// read into memory.

#include <cstddef>
#include <string>
#include <variant>

namespace rsa {

inline constexpr std::size_t largestReadableFile = 1 << 20;

struct FileContent {
    std::string bytes;
};

struct ReadFailure {
    std::string reason; // "No such file or directory", "File too large", ...
};

// Only a regular file is read: a FIFO without a writer would hang the window.
std::variant<FileContent, ReadFailure> readFileContent(const std::string& path);

} // namespace rsa
