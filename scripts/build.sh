#!/usr/bin/env bash
# Configures and builds Tarvik into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
GEN=()
command -v ninja >/dev/null && GEN=(-G Ninja)
# a compiler cache, when installed, makes rebuilds of other checkouts quick
command -v ccache >/dev/null && GEN+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
[ -f build/CMakeCache.txt ] || cmake -S . -B build "${GEN[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
