#!/usr/bin/env bash
# handout-pdf.sh DRIVER: the worked example (p = 61, q = 53, e = 17, one
# encryption of 1234 5678 9012 3456, one decryption) exported as PDF is a
# handout of one to three A4 pages that opens with its title, the date and
# the key; each page renders to an image.
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
type txtP 61
type txtQ 53
type txtpublic 17
type txt1 1234
type txt2 5678
type txt3 9012
type txt4 3456
click cmdHesapla
click cmdenc
click cmddec
export handout.pdf
STEPS
)
[[ $output == "exported handout.pdf" ]] || fail "the export printed: $output"

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
# The first block's table is printed, the second one is summarised.
grep -q 'Kapalı tablo (5 satır)' <<<"$text" || fail "no summary of a folded table"
echo "handout: $pages pages"
