# shellcheck shell=bash
# The two builds. REPO is the repository's root.

build_host() {
    cmake -S "$REPO" -B "$REPO/build/host" -G Ninja -DCMAKE_BUILD_TYPE=Debug
    cmake --build "$REPO/build/host"
}

build_windows() {
    cmake -S "$REPO" -B "$REPO/build/win32" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$REPO/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release
    cmake --build "$REPO/build/win32"
}
