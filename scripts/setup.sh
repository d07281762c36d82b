# Sourced by the scripts: installs the Debian packages the build and the tests need (apt-get,
# so root), then configures and builds into build/, or with --qt6 the Qt 6 build into
# build-qt6/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# What outlives a checkout on this machine: the compiler's objects (ccache, capped) and the .debs
# the Debian roots download, under /var/cache/corvad-common-qt5 (root) or ~/.cache. Every build
# of every script, the Debian roots' included, goes through the cache and Ninja; CMake takes
# both from the environment, so builds the tests make themselves do too. CORVADQT5_CACHE names
# another folder (an empty one gives a cold run).
if [ "$(id -u)" -eq 0 ]; then
    cache_dir=${CORVADQT5_CACHE:-/var/cache/corvad-common-qt5}
else
    cache_dir=${CORVADQT5_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/corvad-common-qt5}
fi
# Paths below the checkout hash as relative ones: a clone in another folder hits the same objects.
export CCACHE_DIR=$cache_dir/ccache CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-4G} CCACHE_BASEDIR=$PWD \
    CCACHE_NOHASHDIR=1 CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
# For a new build folder only: one made with make goes on with make.
export CMAKE_GENERATOR=${CMAKE_GENERATOR:-Ninja}
# without_build_cache COMMAND ...: COMMAND with none of the above, as on a user's machine.
without_build_cache() {
    env -u CCACHE_DIR -u CCACHE_MAXSIZE -u CCACHE_BASEDIR -u CCACHE_NOHASHDIR \
        -u CMAKE_C_COMPILER_LAUNCHER -u CMAKE_CXX_COMPILER_LAUNCHER -u CMAKE_GENERATOR "$@"
}

packages=(
    cmake g++ make pkg-config ninja-build ccache
    qtbase5-dev qttools5-dev qttools5-dev-tools
    libnss-wrapper util-linux slapd nslcd libnss-ldapd
    fonts-dejavu-core
    qtbase5-private-dev
    xvfb openbox x11-utils xdotool wmctrl weston qtwayland5 imagemagick
    python3-pyatspi at-spi2-core dbus-daemon
    qt6-base-dev qt6-base-private-dev qt6-tools-dev qt6-l10n-tools qt6-wayland
    doxygen qhelpgenerator-qt5 qt6-documentation-tools abigail-tools
    python3-dev sip-tools python3-pyqtbuild pyqt5-dev pyqt6-dev python3-pyqt5 python3-pyqt6
)
# PySide by release: Debian 12 has PySide2 alone, 13 PySide2 and PySide6, testing PySide6
# alone.
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
pyside2=no pyside6=yes
case $codename in
bookworm) pyside2=yes pyside6=no ;;
trixie) pyside2=yes ;;
esac
# Each binding's generator and development files; and Clang's own headers (stddef.h and the
# like), which shiboken parses with but does not depend on: those of the LLVM its libclang
# comes from, as apt knows it (a fresh root has no package lists yet).
generators=()
[ "$pyside2" = no ] || {
    packages+=(shiboken2 libshiboken2-dev libpyside2-dev qtdeclarative5-dev python3-pyside2.qtwidgets)
    generators+=(shiboken2)
}
[ "$pyside6" = no ] || {
    packages+=(shiboken6 libshiboken6-dev libpyside6-dev python3-pyside6.qtwidgets)
    generators+=(libshiboken6-dev)
}
# Asked of apt once per state of its lists and of dpkg's database (a walk of the dependencies
# takes a second or two), the answer kept in the cache.
generator_llvm() {
    local answers=$cache_dir/generator-llvm state llvm
    state=$(stat -c %Y /var/lib/apt/lists /var/lib/dpkg/status 2>/dev/null | tr '\n' .)
    llvm=$(awk -v key="$1 $state" '$1 " " $2 == key { print $3 }' "$answers" 2>/dev/null)
    if [ -z "$llvm" ]; then
        llvm=$(apt-cache depends --recurse --important "$1" 2>/dev/null |
            sed -n 's/^ *Depends: libclang1-\([0-9]*\)$/\1/p' | head -n 1 || true)
        [ -z "$llvm" ] || { mkdir -p "$cache_dir" && echo "$1 $state $llvm" >>"$answers"; } 2>/dev/null || true
    fi
    echo "$llvm"
}
for generator in "${generators[@]}"; do
    llvm=$(generator_llvm "$generator")
    if [ -z "$llvm" ] && [ "$(id -u)" -eq 0 ]; then
        apt-get update -qq
        llvm=$(generator_llvm "$generator")
    fi
    [ -z "$llvm" ] || packages+=("libclang-common-$llvm-dev")
done

install_missing_packages() {
    local missing=()
    local package
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "missing Debian packages: ${missing[*]} (run as root to install them)" >&2
        exit 1
    fi
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The project's files, NUL-separated: those git tracks in a checkout; in a release tarball,
# which has no git data, every file but the build folders.
project_files() {
    if [ -e .git ]; then
        git ls-files -z
    else
        find . \( -path './build*' -prune \) -o \( -type f -o -type l \) -printf '%P\0'
    fi
}

# The first Debian mirror this machine's apt uses, for the roots of other releases.
debian_mirror() {
    local sources=/etc/apt/sources.list.d/debian.sources
    if [ -f "$sources" ]; then
        sed -n 's/^URIs: *\([^ ]*\).*/\1/p' "$sources" | head -n 1
    else
        sed -n 's/^deb \(\[[^]]*\] \)\?\([^ ]*\).*/\2/p' /etc/apt/sources.list | head -n 1
    fi
}

# root_options CACHE: sets root_options to mmdebstrap's options for a fresh root of a
# release: the .debs it downloads kept in CACHE for the next run, and testing's Release file,
# which on some mirrors outlives its Valid-Until, accepted.
root_options() {
    mkdir -p "$1"
    root_options=(--aptopt='Acquire::Check-Valid-Until "false"'
        --skip=download/empty --skip=essential/unlink
        --setup-hook='mkdir -p "$1"/var/cache/apt/archives'
        --setup-hook="sync-in $1 /var/cache/apt/archives"
        --customize-hook="sync-out /var/cache/apt/archives $1")
}

# The packages' maintainer unless DEB_MAINTAINER says otherwise: the project has no mail domain.
default_maintainer="The corvad-common-qt5 developers <devel@corvad-common-qt5.example.org>"

# A field of the last packaging/debian/changelog entry (Version, Timestamp, ...).
changelog_field() {
    sed "s|@MAINTAINER@|$default_maintainer|" packaging/debian/changelog |
        dpkg-parsechangelog -l - -S"$1"
}

# For a script's wrong arguments: what was wrong and the script's usage line, exit status 2.
usage_error() {
    echo "$(basename "$0"): $1" >&2
    echo "usage: $(basename "$0")${usage:+ $usage}" >&2
    exit 2
}

# Refuses every argument that is not one of the words given (--qt6 included).
accept_only() {
    local argument allowed given=("${qt_arguments[@]+"${qt_arguments[@]}"}")
    [ "$qt_major" = 6 ] && given+=(--qt6)
    for argument in "${given[@]+"${given[@]}"}"; do
        for allowed in "$@"; do
            [ "$argument" = "$allowed" ] && continue 2
        done
        usage_error "unknown argument: $argument"
    done
}

# Sets qt_major and build_dir from the script's arguments (--qt6 chooses Qt 6) and leaves the
# other arguments in qt_arguments.
choose_qt_major() {
    qt_major=5
    build_dir=build
    qt_arguments=()
    local argument
    for argument in "$@"; do
        if [ "$argument" = --qt6 ]; then
            qt_major=6
            build_dir=build-qt6
        else
            qt_arguments+=("$argument")
        fi
    done
}
choose_qt_major "$@"

# Every binding the release has is built, or the configure step fails: one that went missing
# must not pass for one the release lacks.
configure_and_build() {
    local pyside=$pyside2
    [ "$qt_major" = 5 ] || pyside=$pyside6
    [ "$pyside" = yes ] && pyside=ON || pyside=OFF
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQT_MAJOR_VERSION="$qt_major" \
        -DCORVADQT5_BUILD_DOCS=ON -DCORVADQT5_BUILD_PYQT=ON -DCORVADQT5_BUILD_PYSIDE="$pyside" \
        "$@" >/dev/null
    cmake --build "$build_dir" --parallel "$(nproc)"
}
