# Sourced by scripts/test and scripts/gallery: installs the Debian packages the build and the
# tests need (apt-get, so root), then configures and builds into build/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(
    cmake g++ make pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools
    libnss-wrapper util-linux
    fonts-dejavu-core
    qtbase5-private-dev
    xvfb openbox x11-utils xdotool weston qtwayland5 imagemagick
)

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

configure_and_build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build build --parallel "$(nproc)"
}
