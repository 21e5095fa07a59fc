#!/usr/bin/env bash
# two-learners.sh PROGRAM GRAB [PICTURES]: two instances of "PROGRAM
# --mesajlasma" on one desktop (desktop.sh) exchange a card number and a
# signature through saved files, driven through their windows by
# two_learners.py. With PICTURES, a picture of each learner's exchange window
# is saved there (GRAB is rsa-demo-screen-grab). Skipped, with the reason,
# when a tool is missing.
set -uo pipefail
here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")
grab=$(realpath "$2")
pictures=()
if [[ -n ${3:-} ]]; then
    mkdir -p "$3"
    pictures=("$(realpath "$3")" "$grab")
fi
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
bash "$here/desktop.sh" "$here/two_learners.py" "$program" "$workdir" "${pictures[@]}"
