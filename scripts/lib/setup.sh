# shellcheck shell=bash
# Puts on a Debian 12 machine what building and running the programs needs,
# installing only the packages that are missing. Run as root or with sudo.

# The host tests, their benchmarks and the fuzz targets.
HOST_PACKAGES=(
    cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
)
# The Windows builds and the Wine run, beside the host packages.
WINDOWS_PACKAGES=(
    g++-mingw-w64-i686 g++-mingw-w64-x86-64
    wine wine32:i386 wine64 fonts-wine
    xvfb xauth x11-utils imagemagick xdotool
)

setup_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# setup_machine [host]: every package, or with "host" only the host ones.
setup_machine() {
    local missing=() package packages=("${HOST_PACKAGES[@]}")
    [[ ${1:-} == host ]] || packages+=("${WINDOWS_PACKAGES[@]}")
    for package in "${packages[@]}"; do
        setup_installed "$package" || missing+=("$package")
    done
    [[ ${#missing[@]} -eq 0 ]] && return 0

    local as_root=()
    if [[ $EUID -ne 0 ]]; then
        command -v sudo >/dev/null || { echo "setup: need root or sudo to install: ${missing[*]}" >&2; return 1; }
        as_root=(sudo)
    fi
    echo "setup: installing ${missing[*]}"
    if [[ " ${missing[*]} " == *:i386\ * ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${as_root[@]}" dpkg --add-architecture i386
    fi
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
}
