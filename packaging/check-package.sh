#!/usr/bin/env bash
# check-package.sh BUILD_DIR: installs the build into a scratch prefix and
# makes the Debian package, and checks that both carry the program, its
# desktop entry and icon, and that the package depends on the Qt runtime.
set -euo pipefail
build=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
for file in bin/rsa-demo share/applications/rsa-demo.desktop \
    share/icons/hicolor/scalable/apps/rsa-demo.svg share/icons/hicolor/16x16/apps/rsa-demo.png \
    share/icons/hicolor/24x24/apps/rsa-demo.png share/doc/rsa-demo/copyright; do
    [[ -f $scratch/prefix/$file ]] || { echo "not installed: $file" >&2; exit 1; }
done
entry=$scratch/prefix/share/applications/rsa-demo.desktop
grep -qx 'Exec=rsa-demo' "$entry" && grep -q '^Categories=Education;' "$entry" ||
    { echo "desktop entry lacks Exec or Categories" >&2; exit 1; }
# The second action starts the program with the step window beside it.
grep -qx 'Actions=adim-adim;' "$entry" && grep -qx 'Exec=rsa-demo --adim-adim' "$entry" ||
    { echo "desktop entry lacks the step-by-step action" >&2; exit 1; }
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry"
fi

if ! command -v dpkg-deb >/dev/null; then
    echo "dpkg-deb missing: package not checked"
    exit 0
fi
(cd "$build" && cpack -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/rsa-demo_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n; do
    [[ $depends == *"$package"* ]] || { echo "package does not depend on $package: $depends" >&2; exit 1; }
done
contents=$(dpkg-deb -c "$deb")
[[ $contents == *./usr/share/applications/rsa-demo.desktop* ]] ||
    { echo "package lacks the desktop entry" >&2; exit 1; }
echo "installed files, desktop entry and package dependencies are in order"
