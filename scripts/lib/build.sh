# shellcheck shell=bash
# The builds. REPO is the repository's root.

build_host() {
    cmake -S "$REPO" -B "$REPO/build/host" -G Ninja -DCMAKE_BUILD_TYPE=Debug
    cmake --build "$REPO/build/host"
}

# The folder of the Windows build for 32 or 64 bits.
windows_build_dir() { echo "$REPO/build/win$1"; }

# build_windows [BITS...]: the Windows programs and the Wine test programs,
# 32-bit (the build we ship) and 64-bit unless told which.
build_windows() {
    local bits toolchain
    for bits in ${@:-32 64}; do
        case $bits in
            32) toolchain=mingw-i686.cmake ;;
            64) toolchain=mingw-x86_64.cmake ;;
            *) echo "build_windows: no $bits-bit build" >&2; return 2 ;;
        esac
        cmake -S "$REPO" -B "$(windows_build_dir "$bits")" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$REPO/cmake/$toolchain" -DCMAKE_BUILD_TYPE=Release
        cmake --build "$(windows_build_dir "$bits")"
    done
}
