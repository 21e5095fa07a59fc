#!/usr/bin/env bash
# Builds everything with warnings as errors and runs all tests and the
# fuzzers over their corpus; then builds again with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the tests once more, under a Turkish
# locale. "./test.sh --fast" skips the sanitizer pass; "./test.sh --fuzz
# [SECONDS]" runs each fuzzer for SECONDS (60 by default) instead.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

fast=0
case ${1:-} in
--fast) fast=1 ;;
--fuzz)
    ensure_packages
    exec bash fuzz/run-fuzzers.sh "${2:-60}"
    ;;
"") ;;
*)
    echo "usage: $0 [--fast | --fuzz [SECONDS]]" >&2
    exit 2
    ;;
esac

ensure_packages
ensure_locales
build_targets=()
build_tree build -DRSA_WERROR=ON
ctest --test-dir build --output-on-failure -j2
# The fuzzers are built with clang and run over their checked-in corpus, so a
# change that breaks them shows here and not only in a long fuzzing run.
bash fuzz/run-fuzzers.sh --corpus

if [[ $fast -eq 1 ]]; then
    exit 0
fi

# The test programs already run while building (test discovery), so the
# sanitizer options hold for the build as well.
export ASAN_OPTIONS=halt_on_error=1:print_stacktrace=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
build_tree build-sanitize -DRSA_SANITIZE=ON -DRSA_BUILD_BENCH=OFF
# The second pass runs under a Turkish locale: a comma as the decimal point
# and translated system messages must change nothing the program shows.
LC_ALL=tr_TR.UTF-8 ctest --test-dir build-sanitize --output-on-failure -j2
