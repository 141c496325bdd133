#!/usr/bin/env bash
# Configures and builds the Windows programs into build/ (or $VELL_BUILD_DIR). Arguments go
# to CMake: -DVELL_WARNINGS_AS_ERRORS=ON, as the test command gives, fails on any warning.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELL_BUILD_DIR:-$root/build}

cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake" \
    -DCMAKE_BUILD_TYPE=${VELL_BUILD_TYPE:-RelWithDebInfo} "$@"
cmake --build "$build"
