#include "realsize/Factoring.h"

#include <flint/fmpz.h>
#include <flint/fmpz_factor.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace rsa::realsize {

namespace {

// How long the parent waits on the pipe before it looks at the flag again.
constexpr int watchSliceMilliseconds = 10;

mpz_class primeOfBits(unsigned long bits, RandomSource& random) {
    for (;;) {
        mpz_class start = random.bits(bits);
        mpz_setbit(start.get_mpz_t(), bits - 1);
        mpz_setbit(start.get_mpz_t(), bits - 2);
        mpz_class prime;
        mpz_nextprime(prime.get_mpz_t(), start.get_mpz_t());
        if (mpz_sizeinbase(prime.get_mpz_t(), 2) == bits) {
            return prime;
        }
    }
}

[[noreturn]] void failSystem(const char* what) {
    throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

// Runs in the child: factors n with FLINT and writes every prime factor, as
// often as it divides n, in decimal to the pipe.
[[noreturn]] void factorInChild(const mpz_class& n, const std::string& folder, int output) {
    if (chdir(folder.c_str()) != 0) {
        _exit(2);
    }
    fmpz_t number;
    fmpz_init(number);
    fmpz_set_mpz(number, n.get_mpz_t());
    fmpz_factor_t factors;
    fmpz_factor_init(factors);
    fmpz_factor(factors, number);
    std::string text;
    for (slong i = 0; i < factors->num; ++i) {
        mpz_class factor;
        fmpz_get_mpz(factor.get_mpz_t(), factors->p + i);
        for (ulong times = 0; times < factors->exp[i]; ++times) {
            text += factor.get_str(10) + ' ';
        }
    }
    for (std::size_t sent = 0; sent < text.size();) {
        const ssize_t written = write(output, text.data() + sent, text.size() - sent);
        if (written <= 0) {
            _exit(3);
        }
        sent += static_cast<std::size_t>(written);
    }
    _exit(0);
}

class ChildFolder {
public:
    ChildFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "rsa-demo-factor-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            failSystem("mkdtemp");
        }
        m_path = pattern;
    }
    ~ChildFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ChildFolder(const ChildFolder&) = delete;
    ChildFolder& operator=(const ChildFolder&) = delete;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace

BalancedNumber balancedNumber(int bits, RandomSource& random) {
    if (bits < 16 || bits > 512) {
        throw std::invalid_argument("a balanced number has 16..512 bits");
    }
    const auto small = static_cast<unsigned long>(bits / 2);
    const auto large = static_cast<unsigned long>(bits) - small;
    BalancedNumber number;
    do {
        number.p = primeOfBits(small, random);
        number.q = primeOfBits(large, random);
    } while (number.p == number.q);
    if (number.p > number.q) {
        std::swap(number.p, number.q);
    }
    number.n = number.p * number.q;
    return number;
}

Factoring factorSemiprime(const mpz_class& n, const std::atomic<bool>& cancel,
                          std::chrono::duration<double> limit) {
    const ChildFolder folder;
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        failSystem("pipe2");
    }
    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        failSystem("fork");
    }
    if (child == 0) {
        close(pipeEnds[0]);
        factorInChild(n, folder.path(), pipeEnds[1]);
    }
    close(pipeEnds[1]);

    Factoring result;
    std::string text;
    bool finished = false;
    while (!finished) {
        if (cancel.load()) {
            result.end = FactoringEnd::Cancelled;
            break;
        }
        if (std::chrono::steady_clock::now() - started > limit) {
            result.end = FactoringEnd::TimedOut;
            break;
        }
        pollfd watch{pipeEnds[0], POLLIN, 0};
        if (poll(&watch, 1, watchSliceMilliseconds) <= 0) {
            continue;
        }
        char buffer[4096];
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got > 0) {
            text.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            finished = true;
        }
    }
    result.seconds = std::chrono::steady_clock::now() - started;
    close(pipeEnds[0]);
    if (!finished) {
        kill(child, SIGKILL);
    }
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    result.childCpuSeconds =
        std::chrono::duration<double>(seconds(usage.ru_utime) + seconds(usage.ru_stime));
    if (!finished) {
        return result;
    }
    std::istringstream factors(text);
    std::vector<mpz_class> found;
    for (std::string factor; factors >> factor;) {
        found.emplace_back(factor, 10);
    }
    if (WIFSIGNALED(status)) {
        throw std::runtime_error("the factoring process ended on signal " +
                                 std::to_string(WTERMSIG(status)));
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("the factoring process failed with status " +
                                 std::to_string(WEXITSTATUS(status)));
    }
    if (found.size() != 2 || found[0] * found[1] != n) {
        throw std::runtime_error("FLINT did not return two factors of n");
    }
    result.end = FactoringEnd::Factored;
    result.p = found[0] < found[1] ? found[0] : found[1];
    result.q = found[0] < found[1] ? found[1] : found[0];
    return result;
}

} // namespace rsa::realsize
