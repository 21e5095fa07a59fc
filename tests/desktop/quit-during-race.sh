#!/usr/bin/env bash
# quit-during-race.sh PROGRAM: File → Exit, closing the main window and
# SIGTERM each end "PROGRAM --gercek-boyut" promptly while its race factors,
# leaving no helper process and no temporary folder (quit_during_race.py, on
# a desktop of its own: desktop.sh). Skipped, with the reason, when a tool is
# missing.
set -uo pipefail
here=$(dirname "$(realpath "$0")")
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
bash "$here/desktop.sh" "$here/quit_during_race.py" "$(realpath "$1")" "$workdir"
