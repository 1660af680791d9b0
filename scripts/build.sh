#!/usr/bin/env bash
# Configures and builds Tarvik into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
GEN=()
command -v ninja >/dev/null && GEN=(-G Ninja)
[ -f build/CMakeCache.txt ] || cmake -S . -B build "${GEN[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
