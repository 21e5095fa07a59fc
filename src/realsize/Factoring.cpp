#include "realsize/Factoring.h"

#include "HelperProcess.h"

#include <dlfcn.h>
#include <link.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace rsa::realsize {

namespace {

// How long the caller waits on the pipe before it looks at the flag again.
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

std::filesystem::path factoringHelper() {
    Dl_info info{};
    link_map* code = nullptr;
    if (dladdr1(reinterpret_cast<void*>(&factoringHelper), &info, reinterpret_cast<void**>(&code),
                RTLD_DL_LINKMAP) == 0 ||
        code == nullptr) {
        throw std::runtime_error("the code of the real-size window cannot be located");
    }
    // The program itself has no name in its link map.
    const std::filesystem::path file = *code->l_name != '\0'
                                           ? std::filesystem::path(code->l_name)
                                           : std::filesystem::read_symlink("/proc/self/exe");
    return std::filesystem::absolute(file).parent_path() / "rsa-demo-factor";
}

Factoring factorSemiprime(const mpz_class& n, const std::atomic<bool>& cancel,
                          std::chrono::duration<double> limit) {
    return factorSemiprime(factoringHelper(), n, cancel, limit);
}

Factoring factorSemiprime(const std::filesystem::path& helper, const mpz_class& n,
                          const std::atomic<bool>& cancel, std::chrono::duration<double> limit) {
    const TemporaryFolder folder("rsa-demo-factor-");
    Pipe output = makePipe();
    const auto started = std::chrono::steady_clock::now();
    ChildProcess child(helper, {folder.path().string(), n.get_str(10)}, output.writeEnd);
    output.writeEnd.reset();

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
        pollfd watch{output.readEnd.get(), POLLIN, 0};
        if (poll(&watch, 1, watchSliceMilliseconds) <= 0) {
            continue;
        }
        char buffer[4096];
        const ssize_t got = read(output.readEnd.get(), buffer, sizeof buffer);
        if (got > 0) {
            text.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            finished = true;
        }
    }
    result.seconds = std::chrono::steady_clock::now() - started;
    if (!finished) {
        child.kill();
    }
    const ChildEnd end = child.reap();
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    result.childCpuSeconds =
        std::chrono::duration<double>(seconds(end.usage.ru_utime) + seconds(end.usage.ru_stime));
    if (!finished) {
        return result;
    }
    if (WIFSIGNALED(end.status)) {
        throw std::runtime_error("rsa-demo-factor ended on signal " +
                                 std::to_string(WTERMSIG(end.status)));
    }
    if (!WIFEXITED(end.status) || WEXITSTATUS(end.status) != 0) {
        throw std::runtime_error("rsa-demo-factor failed with status " +
                                 std::to_string(WEXITSTATUS(end.status)));
    }
    std::istringstream factors(text);
    std::vector<mpz_class> found;
    for (std::string factor; factors >> factor;) {
        found.emplace_back(factor, 10);
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
