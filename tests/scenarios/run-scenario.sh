#!/usr/bin/env bash
# run-scenario.sh DRIVER SCENARIO EXPECTED [SETUP]
#
# Runs one golden scenario in a fresh scratch folder and compares the driver's
# output, followed by the bytes of every file left in the folder, with the
# expected output. The scenario's first line may be "# exit N" when the driver
# must end with status N (default 0). A line "# random NAME..." anywhere in
# the scenario masks the numbers printed as NAME=DIGITS (keys and factors
# drawn at random) as NAME=…, so the rest of such a line is still pinned.
# Set RSA_REGENERATE=1 to write the actual
# output to EXPECTED instead of comparing; review that diff before committing.
set -euo pipefail

if [[ $# -lt 3 || $# -gt 4 ]]; then
    echo "usage: $0 DRIVER SCENARIO EXPECTED [SETUP]" >&2
    exit 2
fi
driver=$(realpath "$1")
scenario=$(realpath "$2")
expected=$(realpath -m "$3")
setup=${4:+$(realpath "$4")}

want_status=0
if [[ $(head -n 1 "$scenario") =~ ^#\ exit\ ([0-9]+)$ ]]; then
    want_status=${BASH_REMATCH[1]}
fi

# The scenario runs in scratch/run; its output is kept beside that folder so
# that it does not show up among the files the scenario left.
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
actual=$scratch/output
mkdir "$scratch/run"

cd "$scratch/run"
if [[ -n $setup ]]; then
    bash "$setup"
fi

status=0
"$driver" <"$scenario" >"$actual" || status=$?

masked=$(sed -n 's/^# random \(.*\)$/\1/p' "$scenario" | tr ' ' '\n' | grep -v '^$' | paste -sd '|' -) || true
if [[ -n $masked ]]; then
    sed -E -i "s/(^|[ ])($masked)=[0-9]+/\1\2=…/g" "$actual"
fi

files=$(find . -type f | LC_ALL=C sort)
if [[ -n $files ]]; then
    echo "--- files" >>"$actual"
    while IFS= read -r file; do
        bytes=$(od -An -v -tx1 "$file" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')
        echo "${file#./}:${bytes:+ $bytes}" >>"$actual"
    done <<<"$files"
fi

if [[ ${RSA_REGENERATE:-0} == 1 ]]; then
    cp "$actual" "$expected"
    echo "wrote $expected (driver status $status)"
    exit 0
fi

failed=0
if ! diff -u "$expected" "$actual"; then
    failed=1
fi
if [[ $status -ne $want_status ]]; then
    echo "driver ended with status $status, expected $want_status" >&2
    failed=1
fi
exit $failed
