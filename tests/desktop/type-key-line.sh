#!/usr/bin/env bash
# type-key-line.sh PROGRAM: a classmate's key line typed key by key into
# "PROGRAM --mesajlasma" with xdotool is read only on Enter (type_key_line.py,
# on a desktop of its own: desktop.sh). Skipped, with the reason, when a tool
# is missing.
set -uo pipefail
here=$(dirname "$(realpath "$0")")
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
bash "$here/desktop.sh" "$here/type_key_line.py" "$(realpath "$1")" "$workdir"
