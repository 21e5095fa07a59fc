#include "realsize/BatchGcd.h"

#include "realsize/BigKey.h"

#include <algorithm>

namespace rsa::realsize {

namespace {

using Level = std::vector<mpz_class>;

// The tree's levels from the moduli up to the one product; a node without a
// partner goes up as it is.
std::optional<std::vector<Level>> productTree(const Level& moduli,
                                              const std::atomic<bool>& cancel) {
    std::vector<Level> levels{moduli};
    while (levels.back().size() > 1) {
        if (cancel.load()) {
            return std::nullopt;
        }
        const Level& below = levels.back();
        Level above((below.size() + 1) / 2);
        for (std::size_t node = 0; node < above.size(); ++node) {
            above[node] = 2 * node + 1 < below.size() ? below[2 * node] * below[2 * node + 1]
                                                      : below[2 * node];
        }
        levels.push_back(std::move(above));
    }
    return levels;
}

} // namespace

std::optional<SharedPrimes> batchGcd(const std::vector<mpz_class>& moduli,
                                     const std::atomic<bool>& cancel,
                                     const BatchProgress& progress) {
    if (moduli.empty()) {
        return SharedPrimes{};
    }
    const auto report = [&progress](int percent) {
        if (progress) {
            progress(percent);
        }
    };
    report(0);
    std::optional<std::vector<Level>> tree = productTree(moduli, cancel);
    if (!tree) {
        return std::nullopt;
    }
    // A level of the remainder tree costs about twice one of the product
    // tree: the progress counts three parts for each.
    const int levels = static_cast<int>(tree->size());
    report(100 / 3);
    SharedPrimes found;
    for (const Level& level : *tree) {
        int largest = 0;
        for (const mpz_class& node : level) {
            largest = std::max(largest, bitLength(node));
        }
        found.productTree.push_back({level.size(), largest});
    }
    // Going down, each node becomes its parent's remainder modulo the node's
    // square; at the leaves that is zi = P mod ni^2.
    Level remainders = std::move(tree->back());
    for (int level = levels - 1; level-- > 0;) {
        if (cancel.load()) {
            return std::nullopt;
        }
        Level& nodes = (*tree)[static_cast<std::size_t>(level)];
        for (std::size_t node = 0; node < nodes.size(); ++node) {
            nodes[node] = remainders[node / 2] % (nodes[node] * nodes[node]);
        }
        remainders = std::move(nodes);
        report(100 / 3 + 200 * (levels - 1 - level) / (3 * levels));
    }
    for (std::size_t leaf = 0; leaf < moduli.size(); ++leaf) {
        mpz_class& value = remainders[leaf];
        value /= moduli[leaf];
        mpz_gcd(value.get_mpz_t(), value.get_mpz_t(), moduli[leaf].get_mpz_t());
    }
    report(100);
    found.gcds = std::move(remainders);
    return found;
}

std::optional<std::vector<mpz_class>> pairwiseGcd(const std::vector<mpz_class>& moduli,
                                                  const std::atomic<bool>& cancel) {
    std::vector<mpz_class> gcds(moduli.size(), 1);
    mpz_class common;
    for (std::size_t first = 0; first < moduli.size(); ++first) {
        if (cancel.load()) {
            return std::nullopt;
        }
        for (std::size_t second = first + 1; second < moduli.size(); ++second) {
            mpz_gcd(common.get_mpz_t(), moduli[first].get_mpz_t(), moduli[second].get_mpz_t());
            if (common != 1) {
                mpz_lcm(gcds[first].get_mpz_t(), gcds[first].get_mpz_t(), common.get_mpz_t());
                mpz_lcm(gcds[second].get_mpz_t(), gcds[second].get_mpz_t(), common.get_mpz_t());
            }
        }
    }
    return gcds;
}

std::vector<std::size_t> keysSharingAPrime(const std::vector<mpz_class>& gcds) {
    std::vector<std::size_t> keys;
    for (std::size_t key = 0; key < gcds.size(); ++key) {
        if (gcds[key] != 1) {
            keys.push_back(key);
        }
    }
    return keys;
}

} // namespace rsa::realsize
