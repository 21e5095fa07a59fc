// The exchange window's actions, logic only, with the largest keys it makes
// (n below 2^31): each should take well under a millisecond, and a fresh
// pair from the system's random source in the largest range under 5 ms.

#include "exchange/ExchangeFiles.h"
#include "exchange/Messages.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace rsa::exchange {
namespace {

// 46327 · 46337 = 2,146,654,199; e = 2^31 - 1 is coprime with
// φ = 2,146,561,536, d = 1,463,161,855: every power runs over 31 bits.
const KeyPair largest{46327, 46337, 2147483647, 1463161855, 2146654199};
const Blocks card{12, 34, 56, 78, 90, 12, 34, 56};

void exchangeSend(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            encryptCard(largest.publicKey(), *parseCard("1234 5678 9012 3456")));
    }
}
BENCHMARK(exchangeSend);

void exchangeReceive(benchmark::State& state) {
    const std::string text = blocksText(*encryptCard(largest.publicKey(), card));
    for (auto _ : state) {
        const Result<ReceivedBlocks> blocks = parseBlocks(text);
        benchmark::DoNotOptimize(decryptBlocks(largest, blocks->blocks));
    }
}
BENCHMARK(exchangeReceive);

void exchangeSign(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(signCard(largest, card));
    }
}
BENCHMARK(exchangeSign);

void exchangeVerify(benchmark::State& state) {
    const Blocks signature = *signCard(largest, card);
    for (auto _ : state) {
        benchmark::DoNotOptimize(verifySignature(largest.publicKey(), card, signature));
    }
}
BENCHMARK(exchangeVerify);

void exchangeSaveAndOpenSig(benchmark::State& state) {
    const std::string path = "exchange-bench.SIG";
    const std::string bytes = sigFileBytes(card, *signCard(largest, card));
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeExchangeFile(path, bytes));
        benchmark::DoNotOptimize(readSigFile(path));
    }
    std::remove(path.c_str());
}
BENCHMARK(exchangeSaveAndOpenSig);

void exchangeFreshPair(benchmark::State& state) {
    const RandomSource source = systemRandom();
    const auto range = static_cast<std::uint32_t>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(drawKeyPair(range, std::nullopt, source));
    }
}
BENCHMARK(exchangeFreshPair)->Arg(100)->Arg(1000)->Arg(46340);

// With a given e the draw is made among the primes that suit it.
void exchangeFreshPairGivenExponent(benchmark::State& state) {
    const RandomSource source = systemRandom();
    for (auto _ : state) {
        benchmark::DoNotOptimize(drawKeyPair(46340, 65537, source));
    }
}
BENCHMARK(exchangeFreshPairGivenExponent);

// The e no pair of primes up to 100 suits (exchange_refusals): refused once
// the primes are listed, without drawing.
void exchangeFreshPairRefused(benchmark::State& state) {
    const RandomSource source = systemRandom();
    for (auto _ : state) {
        benchmark::DoNotOptimize(drawKeyPair(100, 410615205, source));
    }
}
BENCHMARK(exchangeFreshPairRefused);

} // namespace
} // namespace rsa::exchange
