#!/usr/bin/env bash
# manual-options.sh PROGRAM MANUAL: every option the program's usage lists
# (in either language) is described in the manual page.
set -uo pipefail
program=$1
manual=$2
text=$(man -l "$manual" 2>/dev/null || sed 's/\\-/-/g' "$manual")
missing=0
for lang in tr en; do
    options=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --lang "$lang" --help |
        grep -oE '^ +(-[a-z], )?--[a-z-]+' | grep -oE -- '--[a-z-]+')
    [[ -n $options ]] || { echo "the usage lists no options" >&2; exit 1; }
    for option in $options; do
        # A whole option: --saldiri is not described by --saldirilar.
        if ! grep -qE -- "(^|[^a-z-])${option}([^a-z-]|$)" <<<"$text"; then
            echo "the manual page does not describe $option" >&2
            missing=1
        fi
    done
done
exit $missing
