#!/usr/bin/env bash
# handout-pdf.sh DRIVER: the README's lesson (the primes, p = 61, q = 53, the
# divisors of φ, e = 17, a refused e = 9, the key computed again, one
# encryption of 1234 5678 9012 3456, one decryption) exported as PDF is a
# handout of one to three A4 pages that opens with its title, the date and
# the key, prints no placeholder for a folded table, never speaks of the
# window, gives the refusal one short paragraph and the key section once;
# each page renders to an image.
set -uo pipefail
driver=$(realpath "$1")
for tool in pdfinfo pdftoppm pdftotext; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool (poppler-utils) is not installed"
        exit 77
    fi
done
fail() {
    echo "$*" >&2
    exit 1
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1

output=$(QT_QPA_PLATFORM=offscreen "$driver" 2>/dev/null <<'STEPS'
launch --adim-adim
click cmdPrime
type txtP 61
type txtQ 53
click Command2
type txtpublic 17
click cmdHesapla
type txtpublic 9
click cmdHesapla
type txtpublic 17
click cmdHesapla
type txt1 1234
type txt2 5678
type txt3 9012
type txt4 3456
click cmdenc
click cmddec
export handout.pdf
STEPS
)
# The refused e = 9 answers with the main window's message.
[[ $output == $'message [RSA] hatalı giriş\nexported handout.pdf' ]] ||
    fail "the lesson printed: $output"

pages=$(pdfinfo handout.pdf | sed -n 's/^Pages: *//p')
[[ $pages -ge 1 && $pages -le 3 ]] || fail "the handout has $pages pages, at most 3 wanted"
size=$(pdfinfo handout.pdf | sed -n 's/^Page size: *//p')
[[ $size == *"(A4)"* ]] || fail "the page size is $size, not A4"
pdftoppm -r 40 -png handout.pdf page || fail "pdftoppm could not render the handout"
images=$(find . -name 'page-*.png' | wc -l)
[[ $images -eq $pages ]] || fail "$images page images for $pages pages"

text=$(pdftotext -layout handout.pdf -)
head -n 3 <<<"$text" | grep -q '^RSA adım adım: ders notu' || fail "no title at the top: $(head -n 3 <<<"$text")"
grep -q 'Tarih: 1 Haziran 2026' <<<"$text" || fail "no date"
grep -q 'Anahtar: p = 61, q = 53, n = 3233, e = 17, d = 2753' <<<"$text" || fail "no key line"
! grep -q 'Kapalı tablo' <<<"$text" || fail "a folded table left a placeholder line"
! grep -qi 'pencere' <<<"$text" || fail "the handout speaks of the window: $(grep -i pencere <<<"$text")"
# A title at the top of a page follows a form feed.
keys=$(grep -c $'^\f\\?Özel anahtarın hesaplanması' <<<"$text")
[[ $keys -eq 2 ]] || fail "$keys key sections, one computed and one refused wanted"
# The refused e = 9 is the second key section: its reason, in at most three
# printed lines, up to the encryption's title.
refusal=$(awk '/^\f?Özel anahtarın hesaplanması/ { seen++; next }
               /^\f?Kart numarasının şifrelenmesi/ { exit }
               seen == 2 && NF { print }' <<<"$text")
grep -q '^ebob(9, 3120) = 3 ≠ 1' <<<"$refusal" || fail "the refusal does not say why: $refusal"
lines=$(wc -l <<<"$refusal")
[[ $lines -le 3 ]] || fail "the refusal takes $lines lines: $refusal"
echo "handout: $pages pages"
