// rsa-demo-factor FOLDER N: the factoring race's helper program. It factors
// the whole number N, given in decimal, with FLINT working in FOLDER (FLINT
// 2.9's sieve writes its relations to a file in the current folder), and
// writes every prime factor, as often as it divides N, in decimal on its
// standard output, each followed by a blank.
//
// FLINT cannot be interrupted, so the race runs it in a process of its own
// and ends that process when the learner stops or the limit passes. Being a
// program of its own, started with posix_spawn, it is single-threaded and
// free to use anything, which a forked copy of the multi-threaded window is
// not. Exit status: 0 done, 2 wrong use, 3 output failed.

#include <flint/fmpz.h>
#include <flint/fmpz_factor.h>

#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>

namespace {

bool isDecimal(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

int main(int argc, char* argv[]) {
    // Should the race's thread end without reaping this process, the kernel ends it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (argc != 3 || chdir(argv[1]) != 0 || !isDecimal(argv[2])) {
        std::cerr << "usage: rsa-demo-factor FOLDER N (N in decimal digits)\n";
        return 2;
    }
    fmpz_t number;
    fmpz_init(number);
    fmpz_set_str(number, argv[2], 10);
    fmpz_factor_t factors;
    fmpz_factor_init(factors);
    fmpz_factor(factors, number);
    for (slong i = 0; i < factors->num; ++i) {
        char* factor = fmpz_get_str(nullptr, 10, factors->p + i);
        for (ulong times = 0; times < factors->exp[i]; ++times) {
            std::cout << factor << ' ';
        }
        flint_free(factor);
    }
    fmpz_factor_clear(factors);
    fmpz_clear(number);
    std::cout.flush();
    return std::cout ? 0 : 3;
}
