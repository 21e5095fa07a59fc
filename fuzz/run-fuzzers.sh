#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for
# SECONDS (default 60), starting from the checked-in seeds in
# fuzz/corpus/<target>/ and keeping what it learns in build-fuzz/corpus/<target>/.
# Prints one line per fuzzer and exits non-zero when one found something; the
# input that did it lands in build-fuzz/artifacts/<target>/, the run's output
# in build-fuzz/<target>.log. Without clang it says so and exits 0.
# With --corpus each fuzzer only runs once over every checked-in input, as a
# regression test that also proves the fuzzers still build with libFuzzer
# (./test.sh does; ctest replays the same inputs in the normal gcc build).
#
#   fuzz/run-fuzzers.sh [SECONDS | --corpus]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if [[ ! $seconds =~ ^([0-9]+|--corpus)$ ]]; then
    echo "usage: $0 [SECONDS | --corpus]" >&2
    exit 2
fi
if ! command -v clang >/dev/null || ! command -v clang++ >/dev/null; then
    echo "fuzzers skipped: clang is not installed"
    exit 0
fi

build=build-fuzz
# Every fuzz/NAME_fuzzer.cpp is a fuzzer (fuzz/CMakeLists.txt).
targets=$(cd fuzz && ls -- *_fuzzer.cpp | sed 's/\.cpp$//')
mkdir -p "$build"
if ! { CC=clang CXX=clang++ cmake -S . -B "$build" -DRSA_FUZZ=ON -DRSA_BUILD_TESTS=OFF \
    -DRSA_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
    cmake --build "$build" -j"$(nproc)" --target $targets; } \
    >"$build/build.log" 2>&1; then
    tail -n 30 "$build/build.log" >&2
    echo "fuzzers not built; see $build/build.log" >&2
    exit 1
fi

# Qt keeps caches for the whole process; only leaks through it are ignored.
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
found=0
if [[ $seconds == --corpus ]]; then
    for target in $targets; do
        log=$build/$target.log
        inputs=(fuzz/corpus/$target/*)
        if "$build/fuzz/$target" "${inputs[@]}" >"$log" 2>&1; then
            echo "$target: ${#inputs[@]} inputs of the corpus, found nothing"
        else
            echo "$target: FOUND SOMETHING in the corpus -- output in $log"
            found=1
        fi
    done
    exit $found
fi
for target in $targets; do
    corpus=$build/corpus/$target
    artifacts=$build/artifacts/$target
    mkdir -p "$corpus" "$artifacts"
    cp -n fuzz/corpus/$target/* "$corpus"/
    log=$build/$target.log
    status=0
    "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1 || status=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
    coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*' || true)
    if [[ $status -ne 0 ]]; then
        verdict="FOUND SOMETHING (exit $status): $(grep -m 1 -E 'broken rule|ERROR:' "$log" || true)"
        verdict+=" -- input in $artifacts/, output in $log"
        found=1
    else
        verdict="found nothing"
    fi
    echo "$target: ${runs:-0} runs in ${seconds}s, coverage ${coverage:-?} edges, $verdict"
done
exit $found
