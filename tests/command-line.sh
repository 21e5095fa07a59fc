#!/usr/bin/env bash
# command-line.sh PROGRAM VERSION: --help and --version answer on standard
# output with status 0, with no display at all; an unknown option ends the
# program with status 2 and the usage on standard error alone.
set -uo pipefail
program=$1
bare=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program")
fail() {
    echo "$*" >&2
    exit 1
}

[[ $("${bare[@]}" --version) == "rsa-demo $2" ]] || fail "--version: not rsa-demo $2"
help=$("${bare[@]}" --lang en --help) || fail "--help ended with $?"
grep -q -- '--lang <language> *Language of the interface: tr, en' <<<"$help" ||
    fail "--help lacks --lang: $help"
grep -q -- '--mesajlasma *Opens the public-key messaging window' <<<"$help" ||
    fail "--help lacks --mesajlasma: $help"

output=$(QT_QPA_PLATFORM=offscreen "$program" --lang en -x 2>/dev/null)
status=$?
[[ $status -eq 2 && -z $output ]] || fail "-x ended with $status, printed: $output"
errors=$(QT_QPA_PLATFORM=offscreen "$program" --lang en -x 2>&1 >/dev/null)
grep -qx "rsa-demo: Unknown option 'x'." <<<"$errors" && grep -qxF "Usage: $program [options] [CODE]" <<<"$errors" ||
    fail "-x printed: $errors"

# The exercise's options: a level it does not know, and a task code without
# the exercise window, end the program with the usage; the exercise window's
# options are listed.
grep -q -- '--alistirma *Opens the exercise window' <<<"$help" || fail "--help lacks --alistirma: $help"
errors=$(QT_QPA_PLATFORM=offscreen "$program" --lang en --seviye kolayy 2>&1 >/dev/null)
[[ $? -eq 2 ]] && grep -qx "rsa-demo: Unknown level 'kolayy'; levels: kolay, orta, zor." <<<"$errors" ||
    fail "--seviye kolayy printed: $errors"
errors=$(QT_QPA_PLATFORM=offscreen "$program" --lang en GKKWTRJY 2>&1 >/dev/null)
[[ $? -eq 2 ]] && grep -qx "rsa-demo: Unexpected argument 'GKKWTRJY'." <<<"$errors" ||
    fail "a code without --alistirma printed: $errors"
