#!/usr/bin/env bash
# startup-compare.sh [RUNS]: builds the start-up probes in build/ and prints,
# side by side, the time from starting the program to its window being shown
# (median of RUNS runs, 20 by default) and the peak memory, for rsa-demo, for
# rsa-demo --adim-adim (both windows), and for the smallest Qt Widgets window
# with a menu bar and one line edit. With valgrind installed it also counts
# the instructions each start executes (callgrind), the figure that stays the
# same however busy the machine is.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
build=${RSA_BUILD_DIR:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

cmake -S . -B "$build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target startup-probe-rsa startup-probe-reference >/dev/null

# measure PROBE [ARGUMENTS...]: prints "MEDIAN_US PEAK_KIB" over the runs.
measure() {
    local probe=("$@") times=() peak=0 start end kib
    "${probe[@]}" >/dev/null 2>&1 # warm the file cache
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        kib=$("${probe[@]}" 2>/dev/null | awk '/^peak_kib/ {print $2}')
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
        ((kib > peak)) && peak=$kib
    done
    local median
    median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    echo "$median $peak"
}

read -r rsa_us rsa_kib < <(measure "$build"/bench/startup-probe-rsa)
read -r steps_us steps_kib < <(measure "$build"/bench/startup-probe-rsa --adim-adim)
read -r ref_us ref_kib < <(measure "$build"/bench/startup-probe-reference)
# instructions PROBE [ARGUMENTS...]: prints the instructions one start executes.
# Only the probe's own count: on xcb a forked helper reports one of its own.
instructions() {
    local log pid
    log=$(mktemp)
    valgrind --tool=callgrind --callgrind-out-file=/dev/null --log-file="$log.%p" "$@" \
        >/dev/null 2>&1 &
    pid=$!
    wait "$pid"
    awk '/Collected :/ {print $NF}' "$log.$pid"
    rm -f "$log" "$log".*
}
rsa_ir=0 steps_ir=0 ref_ir=0
if command -v valgrind >/dev/null; then
    rsa_ir=$(instructions "$build"/bench/startup-probe-rsa)
    steps_ir=$(instructions "$build"/bench/startup-probe-rsa --adim-adim)
    ref_ir=$(instructions "$build"/bench/startup-probe-reference)
fi

awk -v ru="$rsa_us" -v rk="$rsa_kib" -v su="$steps_us" -v sk="$steps_kib" \
    -v fu="$ref_us" -v fk="$ref_kib" -v ri="$rsa_ir" -v si="$steps_ir" -v fi="$ref_ir" 'BEGIN {
    printf "%-34s %14s %18s %16s\n", "", "start-up (ms)", "peak memory (MiB)", "instructions (M)"
    printf "%-34s %14.1f %18.1f %16.1f\n", "rsa-demo", ru / 1000, rk / 1024, ri / 1e6
    printf "%-34s %14.1f %18.1f %16.1f\n", "rsa-demo --adim-adim", su / 1000, sk / 1024, si / 1e6
    printf "%-34s %14.1f %18.1f %16.1f\n", "reference window", fu / 1000, fk / 1024, fi / 1e6
    printf "%-34s %14.2f %18.2f %16.2f\n", "ratio to reference", ru / fu, rk / fk,
        (fi > 0 ? ri / fi : 0)
    printf "%-34s %14.2f %18.2f %16.2f\n", "  at most", 1.5, 1.15, 1.25
    printf "%-34s %14.2f %18.2f %16.2f\n", "--adim-adim to rsa-demo", su / ru, sk / rk,
        (ri > 0 ? si / ri : 0)
    printf "%-34s %14.2f %18.2f %16s\n", "  at most", 1.3, 1.3, "-"
    if (fi == 0) print "(no valgrind: instructions not counted)"
}'
