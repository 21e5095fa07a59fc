#!/usr/bin/env bash
# check-package.sh BUILD_DIR APP_ID: installs the build into a scratch prefix
# and makes the Debian package, and checks that both carry the program, its
# desktop entry, icon, metainfo and manual page under the names the desktop
# looks for, the real-size module with the race's helper program beside it, that these agree with the program's version, and that the
# package depends on the Qt runtime.
set -euo pipefail
build=$(realpath "$1")
id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "$*" >&2
    exit 1
}

installed=(bin/rsa-demo lib/rsa-demo/librsa-demo-realsize.so lib/rsa-demo/rsa-demo-factor
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/16x16/apps/$id.png
    share/icons/hicolor/24x24/apps/$id.png share/man/man1/rsa-demo.1.gz share/doc/rsa-demo/copyright)
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
for file in "${installed[@]}"; do
    [[ -f $scratch/prefix/$file ]] || fail "not installed: $file"
done
prefix=$scratch/prefix/share
entry=$prefix/applications/$id.desktop
grep -qx 'Exec=rsa-demo' "$entry" && grep -q '^Categories=Education;' "$entry" &&
    grep -qx "Icon=$id" "$entry" || fail "desktop entry lacks Exec, Categories or Icon"
# The actions open the program in English, with the step window, the exchange
# window, the attacks window, the real-size window or the exercise window
# beside it.
grep -qx 'Actions=english;adim-adim;mesajlasma;saldirilar;gercek-boyut;alistirma;' "$entry" &&
    grep -qx 'Exec=rsa-demo --adim-adim' "$entry" && grep -qx 'Exec=rsa-demo --mesajlasma' "$entry" &&
    grep -qx 'Exec=rsa-demo --saldirilar' "$entry" &&
    grep -qx 'Exec=rsa-demo --gercek-boyut' "$entry" && grep -qx 'Exec=rsa-demo --alistirma' "$entry" ||
    fail "desktop entry lacks its actions"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry"
fi

# The race's helper program works where the module looks for it, beside it,
# and the installed program's race finds it there and ends it on quitting
# (unless the desktop's tools for that test are missing).
factors=$("$scratch/prefix/lib/rsa-demo/rsa-demo-factor" "$scratch" 1000036000099)
[[ $factors == "1000003 1000033 " ]] || fail "the installed rsa-demo-factor gave '$factors'"
status=0
bash "$(dirname "$0")/../tests/desktop/quit-during-race.sh" "$scratch/prefix/bin/rsa-demo" \
    >"$scratch/race.log" 2>&1 || status=$?
[[ $status == 0 || $status == 77 ]] || fail "the installed race: $(cat "$scratch/race.log")"

# The version the program gives is the one the metainfo and the manual page tell.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$scratch/prefix/bin/rsa-demo" --version)
version=${version#rsa-demo }
grep -q "<release version=\"$version\"" "$prefix/metainfo/$id.metainfo.xml" ||
    fail "the metainfo has no release $version"
page=$(zcat "$prefix/man/man1/rsa-demo.1.gz")
[[ $page == *"\"rsa-demo $version\""* ]] || fail "the manual page is not of version $version"
warnings=$(LC_ALL=C.UTF-8 man --warnings -l - <<<"$page" 2>&1 >/dev/null) || true
[[ -z $warnings ]] || fail "manual page: $warnings"

if ! command -v dpkg-deb >/dev/null; then
    echo "dpkg-deb missing: package not checked"
    exit 0
fi
(cd "$build" && cpack -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/rsa-demo_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n \
    libgmp10 libssl3 libflint17 libqt6charts6; do
    [[ $depends == *"$package"* ]] || fail "package does not depend on $package: $depends"
done
contents=$(dpkg-deb -c "$deb")
for file in "${installed[@]}"; do
    [[ $contents == *" ./usr/$file"* ]] || fail "package lacks $file"
done
echo "installed files, desktop entry, metainfo, manual page and package dependencies are in order"
