#!/usr/bin/env bash
# fresh-pairs.sh DRIVER: two launches of the program draw different key pairs
# from "Bana özel anahtar üret" (the system's random source), while
# "sistemi kur" gives the same fixed series of pairs with the exchange window
# drawing keys beside it as without it.
set -uo pipefail
driver=$1
fail() {
    echo "$*" >&2
    exit 1
}
with_exchange='launch --mesajlasma\nnewkey 46340\nnewkey 100 65537\nclick Command1\nshow txtP\nshow txtQ\nclick Command1\nshow txtP\nshow txtQ\n'
without='click Command1\nshow txtP\nshow txtQ\nclick Command1\nshow txtP\nshow txtQ\n'
first=$(printf "$with_exchange" | "$driver" 2>/dev/null) || fail "first run: $first"
second=$(printf "$with_exchange" | "$driver" 2>/dev/null) || fail "second run: $second"
plain=$(printf "$without" | "$driver" 2>/dev/null) || fail "run without the window: $plain"

key() { grep '^mykey: ' <<<"$1" | sed -n "${2}p"; }
[[ $(key "$first" 1) =~ ^mykey:\ p=[0-9]+\ q=[0-9]+\ e=[0-9]+\ d=[0-9]+\ n=[0-9]+$ ]] ||
    fail "no pair drawn: $first"
[[ $(key "$first" 2) == *" e=65537 "* ]] || fail "the given e was not kept: $first"
[[ $(key "$first" 1) != "$(key "$second" 1)" ]] ||
    fail "two launches drew the same pair: $(key "$first" 1)"

series() { grep -E '^txt[PQ]=' <<<"$1"; }
[[ $(series "$plain" | wc -l) -eq 4 ]] || fail "sistemi kur printed: $plain"
[[ $(series "$first") == "$(series "$plain")" && $(series "$second") == "$(series "$plain")" ]] ||
    fail "sistemi kur changed its series: $(series "$first") against $(series "$plain")"
