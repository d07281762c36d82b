#!/bin/sh
# install.sh SOURCE BUILD WORK QT_MAJOR
# Installs the library as a user would, from its own build configured for the prefix, and
# runs the consumer built against the install under a German locale: first into WORK/prefix
# as an unprivileged user (nobody), then with the default prefix into /usr/local, which a
# private mount namespace replaces by an empty folder. Each install is then uninstalled, and
# installed again into another prefix, which is then moved: the dialog is still German.
# Exits 77 (skipped) where that user or such namespaces are missing (needs root).
set -eu
source=$1 build=$2 work=$3 major=$4
if [ "$(id -u)" -ne 0 ] || ! unshare -m --propagation private true 2>/dev/null ||
    ! id nobody >/dev/null 2>&1; then
    echo "SKIP: needs root, the user nobody and private mount namespaces"
    exit 77
fi
rm -rf "$work"
mkdir -p "$work"

# nobody gets a copy of the tracked sources in a folder it can reach from /, wherever the
# checkout lies (a checkout in /root is not), with the script it runs.
home=$(mktemp -d /tmp/corvad-install-home.XXXXXX)
trap 'rm -rf "$home"' EXIT

# as_user USER PREFIX: configure, build, install and use, as USER; then uninstall.
cat >"$home/as-user.sh" <<'SCRIPT'
set -eu
source=$1 work=$2 prefix=$3 major=$4
cmake -S "$source" -B "$work/build" -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_MAJOR_VERSION="$major" \
    -DCORVADQT5_BUILD_TESTS=OFF -DCORVADQT5_BUILD_BENCH=OFF -DCORVADQT5_BUILD_EXAMPLES=OFF \
    -DCORVADQT5_BUILD_PYQT=OFF -DCORVADQT5_BUILD_PYSIDE=OFF \
    >"$work/configure.log"
cmake --build "$work/build" --parallel 2 >"$work/build.log"
cmake --install "$work/build" >"$work/install.log"
libdir=$(find "$prefix" -name "libcorvad-common-qt$major.so" -printf '%h\n' | head -n 1)
cmake -S "$source/tests/consumer" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$prefix" \
    -DQT_MAJOR_VERSION="$major" >/dev/null
cmake --build "$work/consumer" >/dev/null
LD_LIBRARY_PATH=$libdir LANG=de_DE.UTF-8 LC_ALL= LANGUAGE= QT_QPA_PLATFORM=offscreen \
    "$work/consumer/consumer" --german
cmake --build "$work/build" --target uninstall >/dev/null
left=$(find "$prefix" -mindepth 1 \( -iname '*corvad*' -o -name '*zub*' \) | head -n 5)
[ -z "$left" ] || { echo "left after uninstall: $left"; exit 1; }
# Installed into another prefix than the configured one, then moved: the catalogue is found
# beside the library, where the configured prefix no longer has one.
cmake --install "$work/build" --prefix "$work/staged" >/dev/null
for tree in staged moved; do
    [ "$tree" = staged ] || mv "$work/staged" "$work/$tree"
    libdir=$(find "$work/$tree" -name "libcorvad-common-qt$major.so" -printf '%h\n' | head -n 1)
    LD_LIBRARY_PATH=$libdir LANG=de_DE.UTF-8 LC_ALL= LANGUAGE= QT_QPA_PLATFORM=offscreen \
        "$work/consumer/consumer" --german || { echo "English dialog from the $tree tree"; exit 1; }
done
rm -rf "$work/moved"
SCRIPT

tar -C "$source" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$home" -xf - --one-top-level=source
chmod -R a+rX "$home"
chown -R nobody "$home"
# nobody may not write the compiler cache of the user who runs the suite.
runuser -u nobody -- env HOME="$home" CCACHE_DISABLE=1 sh "$home/as-user.sh" "$home/source" "$home" \
    "$home/.local" "$major"
echo "installed into ~/.local as nobody: German dialog, uninstalled"

mkdir -p "$work/root" "$work/usr-local"
unshare -m --propagation private sh -c '
    mount --bind "$1/usr-local" /usr/local && sh "$4/as-user.sh" "$2" "$1/root" /usr/local "$3"
' sh "$work" "$source" "$major" "$home"
echo "installed into /usr/local (a private one): German dialog, uninstalled"
