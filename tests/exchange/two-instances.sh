#!/usr/bin/env bash
# two-instances.sh DRIVER: two separate runs of the program, learner A and
# learner B, exchange a card number and a signature through saved files
# only. A's key is the worked example's, computed in A's main window; A signs
# and saves a .SIG, B encrypts for A's public key and saves a .ENC and checks
# A's signature from the .SIG; A, started again, opens B's .ENC.
set -uo pipefail
driver=$1
fail() {
    echo "$*" >&2
    exit 1
}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
key='launch --mesajlasma\ntype txtP 61\ntype txtQ 53\ntype txtpublic 17\nclick cmdHesapla\n'

a=$(printf "${key}sign 1234 5678 9012 3456\nsave-blocks a.SIG\n" | "$driver" 2>/dev/null) ||
    fail "A: $a"
grep -qx 'saved a.SIG' <<<"$a" || fail "A did not save the signature: $a"

card=$(sed -n 1p a.SIG | tr -d '\r')
signature=$(sed -n 2p a.SIG | tr -d '\r')
b=$(printf "launch --mesajlasma\nsend 17 3233 0042 1000 2024 0007\nsave-blocks b.ENC\nverify 17 3233 %s %s\nverify 17 3233 0042 1000 2024 0007 %s\n" \
    "$card" "$signature" "$signature" | "$driver" 2>/dev/null) || fail "B: $b"
grep -qx 'saved b.ENC' <<<"$b" || fail "B did not save the blocks: $b"
[[ $(grep '^verify' <<<"$b" | head -1) == 'verify: valid' ]] || fail "B could not verify A's signature: $b"
[[ $(grep '^verify' <<<"$b" | tail -1) == 'verify: invalid: '* ]] ||
    fail "A's signature held for another card: $b"

again=$(printf "${key}receive-file b.ENC\n" | "$driver" 2>/dev/null) || fail "A again: $again"
grep -qx 'receive: 0042 1000 2024 0007' <<<"$again" || fail "A could not read B's card: $again"
