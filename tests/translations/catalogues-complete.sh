#!/usr/bin/env bash
# catalogues-complete.sh LUPDATE TEXTS_FOLDER CATALOGUE... -- LUPDATE_OPTIONS...
#
# Every catalogue lists exactly the texts of the headers in TEXTS_FOLDER and
# translates each one:
# lupdate would change nothing in it, and no translation is left unfinished.
set -euo pipefail
lupdate=$1
texts=$2
shift 2
catalogues=()
while [[ $1 != -- ]]; do
    catalogues+=("$1")
    shift
done
shift

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for catalogue in "${catalogues[@]}"; do
    copy=$scratch/$(basename "$catalogue")
    cp "$catalogue" "$copy"
    "$lupdate" -silent "$@" "$texts" -ts "$copy"
    if ! diff -u "$catalogue" "$copy"; then
        echo "$catalogue differs from the texts: cmake --build build --target update_translations" >&2
        status=1
    fi
    if grep -n 'type="unfinished"' "$catalogue"; then
        echo "$catalogue has texts still to translate" >&2
        status=1
    fi
done
exit $status
