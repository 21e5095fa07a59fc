// Saves over real files and real file systems: a full tmpfs and ext4 image, a
// read-only mount, FIFOs, devices, links and names at the length limit. A save
// that fails must leave its folder exactly as it was, and the reason must be the
// English text in any locale, Turkish and German included.

#include "files/FileWriting.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace rsa {
namespace {

namespace fs = std::filesystem;

const std::string notRegular = "Not a regular file";

// Long contents show as a hash, so that a failure message stays readable.
std::string describe(uid_t owner, mode_t mode, const std::string& content) {
    return std::to_string(owner) + " " + std::to_string(mode) + ":" +
           (content.size() <= 64 ? content
                                 : "#" + std::to_string(std::hash<std::string>{}(content)));
}

// Everything a save could change in a folder: names, types, owners, modes,
// contents and link texts; a temporary file left behind shows up as an extra name.
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        struct stat info {};
        lstat(entry.path().c_str(), &info);
        std::ostringstream content;
        if (S_ISREG(info.st_mode)) {
            content << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        } else if (S_ISLNK(info.st_mode)) {
            content << fs::read_symlink(entry.path()).string();
        }
        entries[entry.path().filename()] = describe(info.st_uid, info.st_mode, content.str());
    }
    return entries;
}

// Mounts made here stay inside the test process and vanish with it; /dev is
// read-only in there so that a faulty save cannot replace a real device.
// Returns why that is not possible (not root, say), or nothing.
std::string privateMounts() {
    static const std::string failure = []() -> std::string {
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("/dev", "/dev", nullptr, MS_BIND | MS_REC, nullptr) != 0 ||
            mount(nullptr, "/dev", nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
            return std::string("needs root and a private mount namespace: ") + std::strerror(errno);
        }
        return "";
    }();
    return failure;
}

// From here on the kernel tells this process that no file system has unnamed
// files, as an old kernel or a file system without O_TMPFILE would.
bool refuseUnnamedFiles() {
    constexpr unsigned tmpfileBit = O_TMPFILE & ~O_DIRECTORY;
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_openat, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, tmpfileBit, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EOPNOTSUPP),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

struct Row {
    const char* label;
    std::string setup;  // shell commands run in the row's own folder
    std::string target; // relative to that folder unless absolute
    std::optional<std::string> reason;
    std::string written = {}; // the name holding the text after a successful save
    mode_t mode = 0644;
    uid_t owner = geteuid();
};

// A full file system, then one mounted read-only; `mountHere` mounts it over
// the current folder. The byte-wise dd takes the blocks left by cat's large
// writes. A growing file may need an extent block on top, so the fill ends only
// when not even a new one-byte file fits after a sync.
std::vector<Row> fullOrReadOnly(const std::string& mountHere, std::vector<Row> rows = {}) {
    const std::string setup = mountHere + " && cd \"$PWD\" && printf old > f && ";
    const std::string fill = "i=0; while cat /dev/zero >> z; dd if=/dev/zero bs=1 >> z; sync; "
                             "printf x > y$i; do i=$((i + 1)); done 2>/dev/null";
    rows.push_back({"full", setup + fill, "f", "No space left on device"});
    rows.push_back({"read-only", setup + "mount -o remount,ro .", "f", "Read-only file system"});
    return rows;
}

struct FileWriting : ::testing::TestWithParam<const char*> {
    std::string dir;

    void SetUp() override {
        if (std::setlocale(LC_ALL, GetParam()) == nullptr) {
            GTEST_SKIP() << "locale " << GetParam() << " is not installed (locale -a)";
        }
        char name[] = "/tmp/rsa-file-writing-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir = std::string(name) + "/";
        umask(022);
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    // Each row runs in a folder of its own, with a text under any buffer size
    // and one far above it; a failure must not change the folder in any way.
    void check(const std::vector<Row>& rows) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Row& row = rows[i];
            const std::string folder = dir + std::to_string(i) + "/";
            ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
            ASSERT_EQ(std::system(("cd " + folder + " && " + row.setup).c_str()), 0) << row.label;
            const std::map<std::string, std::string> before = snapshot(folder);
            for (const std::string& text : {std::string("yeni\r\n"), std::string(1 << 20, 'x')}) {
                SCOPED_TRACE(std::string(row.label) + ", " + std::to_string(text.size()) + "B");
                std::map<std::string, std::string> expected = before;
                if (!row.written.empty()) {
                    expected[row.written] = describe(row.owner, S_IFREG | row.mode, text);
                }
                const std::string target = row.target[0] == '/' ? row.target : folder + row.target;
                // A stale errno from before must not pass for the reason of a
                // call that did not fail (a name taken, say).
                errno = EEXIST;
                EXPECT_EQ(replaceFileContent(target, text), row.reason);
                EXPECT_EQ(snapshot(folder), expected);
            }
            umount2(folder.c_str(), MNT_DETACH);
        }
    }
};

std::vector<Row> regularFileRows() {
    const std::string longName(255, 'n');
    std::vector<Row> rows = {
        {"file keeps its mode", "printf old > f && chmod 640 f", "f", {}, "f", 0640},
        {"new file under the umask", ":", "f", {}, "f"},
        {"link stays, its file is replaced", "printf old > f && ln -s f l", "l", {}, "f"},
        {"dangling link creates its file", "ln -s f l", "l", {}, "f"},
        {"255-byte name", "printf old > " + longName, longName, {}, longName},
        {"read-only file", "printf old > f && chmod 444 f", "f", "Permission denied"},
        {"missing folder", ":", "missing/f", "No such file or directory"},
        {"directory", "mkdir d", "d", "Filename refers to a directory"},
        {"link to a directory", "mkdir d && ln -s d l", "l", "Filename refers to a directory"},
        {"FIFO without reader", "mkfifo p", "p", notRegular},
        {"link to a FIFO", "mkfifo p && ln -s p l", "l", notRegular},
        {"link loop", "ln -s a b && ln -s b a", "a", "Too many levels of symbolic links"},
    };
    // Root passes folder permissions; it meets a read-only mount below instead.
    if (geteuid() != 0) {
        rows.push_back({"read-only folder", "chmod 555 .", "f", "Permission denied"});
    }
    return rows;
}

TEST_P(FileWriting, ReplacesOnlyRegularFilesAndKeepsThemOnFailure) {
    check(regularFileRows());
}

// Where unnamed files are missing, the named temporary file does the same.
TEST_P(FileWriting, NamedTemporaryFileWithoutUnnamedFiles) {
    const pid_t child = fork();
    if (child == 0) {
        if (!refuseUnnamedFiles()) {
            _exit(2);
        }
        check(regularFileRows());
        _exit(HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 2) {
        GTEST_SKIP() << "cannot install a seccomp filter";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failures are printed above";
}

TEST_P(FileWriting, KeepsOwnersDevicesAndFullOrReadOnlyTmpfs) {
    if (const std::string failure = privateMounts(); !failure.empty()) {
        GTEST_SKIP() << failure;
    }
    const std::vector<Row> rows = {
        {"file of another owner", "printf old > f && chown 65534 f", "f", {}, "f", 0644, 65534},
        {"device node", "mknod c c 1 3", "c", notRegular},
        {"link to a device node", "mknod c c 1 3 && ln -s c l", "l", notRegular},
        {"/dev/full", ":", "/dev/full", notRegular},
    };
    check(fullOrReadOnly("mount -t tmpfs -o size=64k rsa .", rows));
}

TEST_P(FileWriting, Ext4ImageFullOrReadOnly) {
    if (const std::string failure = privateMounts(); !failure.empty()) {
        GTEST_SKIP() << failure;
    }
    const std::string ext4 = "truncate -s 2M img && mkfs.ext4 -q -F -m 0 img >/dev/null 2>&1 && "
                             "mount -o loop img .";
    if (std::system(("cd " + dir + " && " + ext4 + " && umount .").c_str()) != 0) {
        GTEST_SKIP() << "cannot make and mount an ext4 image (mkfs.ext4 or a loop device missing)";
    }
    check(fullOrReadOnly(ext4));
}

// Saves `bytes` over `target` in a child that is killed with SIGKILL once a
// mebibyte of them is on disk: the file size limit stops the write there
// (SIGXFSZ), whatever else the machine is doing, and the kill follows at once.
bool killedMidway(const std::string& target, const std::string& bytes) {
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{1 << 20, 1 << 20};
        setrlimit(RLIMIT_FSIZE, &limit);
        signal(SIGXFSZ, [](int) { kill(getpid(), SIGKILL); });
        replaceFileContent(target, bytes);
        _exit(0);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFSIGNALED(status) &&
           WTERMSIG(status) == SIGKILL;
}

TEST(KilledSave, LeavesOnlyTheOldFileOnTmpfsAndExt4) {
    if (const std::string failure = privateMounts(); !failure.empty()) {
        GTEST_SKIP() << failure;
    }
    char name[] = "/tmp/rsa-killed-save-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    const std::string dir = std::string(name) + "/";
    const std::pair<const char*, const char*> systems[] = {
        {"tmpfs", "mount -t tmpfs -o size=8m rsa ."},
        {"ext4", "truncate -s 8M ../img && mkfs.ext4 -q -F ../img >/dev/null 2>&1 && "
                 "mount -o loop ../img ."},
    };
    for (const auto& [label, mountHere] : systems) {
        SCOPED_TRACE(label);
        const std::string folder = dir + label + "/";
        ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
        const std::string setup =
            "cd " + folder + " && " + mountHere + " && cd \"$PWD\" && printf old > f";
        ASSERT_EQ(std::system(setup.c_str()), 0) << "mkfs.ext4 or a loop device missing?";
        const std::map<std::string, std::string> before = snapshot(folder);
        EXPECT_TRUE(killedMidway(folder + "f", std::string(4 << 20, 'x')));
        EXPECT_EQ(snapshot(folder), before);
        umount2(folder.c_str(), MNT_DETACH);
    }
    fs::remove_all(dir);
}

// Past a file-size limit (ulimit -f) a save fails with its reason and keeps
// the old file, as on a full disk, instead of SIGXFSZ ending the program.
TEST(FileSizeLimit, SaveIsRefusedAndTheOldFileStays) {
    char name[] = "/tmp/rsa-size-limit-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    const std::string target = std::string(name) + "/f";
    std::ofstream(target) << "old";
    const std::map<std::string, std::string> before = snapshot(name);
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{1 << 16, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool refused =
            replaceFileContent(target, std::string(1 << 17, 'x')) == "File too large";
        _exit(refused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "not refused as \"File too large\"";
    EXPECT_EQ(snapshot(name), before);
    fs::remove_all(name);
}

INSTANTIATE_TEST_SUITE_P(Locales, FileWriting,
                         ::testing::Values("C", "tr_TR.UTF-8", "tr_TR.ISO-8859-9", "de_DE.UTF-8"),
                         [](const auto& info) {
                             return std::regex_replace(info.param, std::regex("[^A-Za-z0-9]"), "_");
                         });

} // namespace
} // namespace rsa
