# Shared by run.sh and test.sh (sourced, not run): installs the Debian
# packages the build needs when any is missing, and configures and builds a
# build tree quietly, keeping the full logs in the tree.

# Targets build_tree builds; empty for all of them.
build_targets=()

# qt6-tools-dev (CMake's qt_add_translations) and qt6-l10n-tools (lupdate,
# lrelease) build the translations; dpkg-dev and file make the Debian package
# (dpkg-shlibdeps finds its dependencies); desktop-file-utils and appstream
# check the desktop entry and the metainfo; clang and its runtimes
# (libclang-rt) build the fuzzers. The real-size window (--gercek-boyut) uses
# GMP (libgmp-dev) for its big numbers, OpenSSL 3 (libssl-dev) for OAEP, FLINT
# (libflint-dev) for factoring and Qt Charts (qt6-charts-dev, whose CMake files
# need libqt6opengl6-dev without depending on it) for the race's chart.
# The desktop tests run the program under Xvfb with openbox and measure or
# drive it with the X tools (x11-utils, xdotool); the two-learner test reaches
# its windows through a D-Bus session (dbus-daemon) and the accessibility bus
# (at-spi2-core, python3-pyatspi).
packages=(cmake g++ make qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n locales fonts-liberation2 libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev xvfb xauth fonts-dejavu-core dpkg-dev file desktop-file-utils appstream valgrind
    libgmp-dev libssl-dev libflint-dev qt6-charts-dev libqt6opengl6-dev
    poppler-utils openbox x11-utils xdotool dbus-daemon python3-pyatspi at-spi2-core)

ensure_packages() {
    local missing=() package
    for package in "${packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [[ ${#missing[@]} -eq 0 ]]; then
        return 0
    fi
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        if ! command -v sudo >/dev/null; then
            echo "missing packages: ${missing[*]}; install them as root" >&2
            return 1
        fi
        sudo=(sudo)
    fi
    echo "installing ${missing[*]}"
    local log
    log=$(mktemp)
    if ! { "${sudo[@]}" apt-get update &&
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
}

# The test suite runs once under a Turkish locale, where a number's decimal
# point is a comma and system messages are translated; the save tests try
# German and Turkish in another encoding as well.
ensure_locales() {
    local wanted=(tr_TR.UTF-8 tr_TR.ISO-8859-9 de_DE.UTF-8) have locale
    have=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | tr -d '-')
    for locale in "${wanted[@]}"; do
        local normal
        normal=$(echo "$locale" | tr '[:upper:]' '[:lower:]' | tr -d '-')
        if ! grep -qx "$normal" <<<"$have"; then
            local sudo=()
            [[ $(id -u) -ne 0 ]] && sudo=(sudo)
            "${sudo[@]}" localedef -i "${locale%%.*}" -f "${locale#*.}" "$locale" >/dev/null 2>&1 ||
                echo "could not make the locale $locale; the tests that need it are skipped" >&2
        fi
    done
}

# The end of a failed step's log; compiler errors can run to thousands of lines.
show_log() {
    tail -n 300 "$1" >&2
    echo "(full log: $1)" >&2
}

# build_tree DIR [CMAKE OPTIONS...]: configures DIR and builds every target.
build_tree() {
    local dir=$1
    shift
    mkdir -p "$dir"
    echo "building in $dir"
    if ! cmake -S . -B "$dir" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" \
        >"$dir/configure.log" 2>&1; then
        show_log "$dir/configure.log"
        return 1
    fi
    if ! cmake --build "$dir" -j2 "${build_targets[@]}" >"$dir/build.log" 2>&1; then
        show_log "$dir/build.log"
        return 1
    fi
}
