#include "HelperProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace rsa::realsize {

void failSystem(const char* what) {
    throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        reset();
        m_descriptor = other.m_descriptor;
        other.m_descriptor = -1;
    }
    return *this;
}

void Descriptor::reset() {
    if (m_descriptor >= 0) {
        close(m_descriptor);
        m_descriptor = -1;
    }
}

Pipe makePipe() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        failSystem("pipe2");
    }
    return {Descriptor(ends[0]), Descriptor(ends[1])};
}

TemporaryFolder::TemporaryFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) {
        failSystem("mkdtemp");
    }
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

namespace {

// posix_spawn's attributes and file actions, destroyed on every way out.
class SpawnSettings {
public:
    explicit SpawnSettings(const Descriptor& output) {
        posix_spawnattr_init(&m_attributes);
        posix_spawn_file_actions_init(&m_actions);
        // The window's threads may block or catch signals; the helper starts afresh.
        sigset_t none;
        sigemptyset(&none);
        sigset_t all;
        sigfillset(&all);
        posix_spawnattr_setsigmask(&m_attributes, &none);
        posix_spawnattr_setsigdefault(&m_attributes, &all);
        // A group of its own: Ctrl+C in the terminal reaches the program,
        // which quits in order and ends the helper itself.
        posix_spawnattr_setpgroup(&m_attributes, 0);
        posix_spawnattr_setflags(&m_attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF |
                                                    POSIX_SPAWN_SETPGROUP);
        posix_spawn_file_actions_adddup2(&m_actions, output.get(), STDOUT_FILENO);
    }
    ~SpawnSettings() {
        posix_spawn_file_actions_destroy(&m_actions);
        posix_spawnattr_destroy(&m_attributes);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;
    const posix_spawnattr_t* attributes() const { return &m_attributes; }
    const posix_spawn_file_actions_t* actions() const { return &m_actions; }

private:
    posix_spawnattr_t m_attributes;
    posix_spawn_file_actions_t m_actions;
};

} // namespace

ChildProcess::ChildProcess(const std::filesystem::path& program,
                           const std::vector<std::string>& arguments, const Descriptor& output) {
    const SpawnSettings settings(output);
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const int failure = posix_spawn(&m_pid, words.front().c_str(), settings.actions(),
                                    settings.attributes(), argv.data(), environ);
    if (failure != 0) {
        m_pid = -1;
        errno = failure;
        failSystem(words.front().c_str());
    }
}

ChildProcess::~ChildProcess() {
    if (m_pid > 0) {
        kill();
        reap();
    }
}

void ChildProcess::kill() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
    }
}

ChildEnd ChildProcess::reap() {
    ChildEnd end;
    while (wait4(m_pid, &end.status, 0, &end.usage) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    return end;
}

} // namespace rsa::realsize
