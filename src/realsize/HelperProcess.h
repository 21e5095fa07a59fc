#pragma once

// What running the factoring helper owns, each released by its destructor on
// every way out, exceptions included: a file descriptor, a temporary folder,
// and the helper's process, which is killed and reaped unless it was reaped
// already. Private to the library.

#include <sys/resource.h>
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace rsa::realsize {

class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int descriptor) : m_descriptor(descriptor) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept : m_descriptor(other.m_descriptor) {
        other.m_descriptor = -1;
    }
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_descriptor; }
    void reset();

private:
    int m_descriptor = -1;
};

struct Pipe {
    Descriptor readEnd, writeEnd;
};
// Both ends close on exec, so that no other child inherits them.
Pipe makePipe();

class TemporaryFolder {
public:
    // A fresh folder under the system's temporary folder, named prefix + six characters.
    explicit TemporaryFolder(const std::string& prefix);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

struct ChildEnd {
    int status = 0;
    rusage usage{};
};

class ChildProcess {
public:
    // Starts `program` with `arguments` and `output` as its standard output,
    // with the default signal handling, in a process group of its own.
    ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                 const Descriptor& output);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Ends the child with SIGKILL if it still runs.
    void kill();
    // Waits for the child to end; once only.
    ChildEnd reap();

private:
    pid_t m_pid = -1;
};

// Throws std::runtime_error with `what` and errno's reason.
[[noreturn]] void failSystem(const char* what);

} // namespace rsa::realsize
