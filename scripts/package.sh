#!/usr/bin/env bash
# Builds the Debian package of Tarvik into build/: tarvik_<version>-1_<arch>.deb.
# Install it with: sudo apt-get install ./build/tarvik_*.deb
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/install-deps.sh"
"$here/install-deps.sh" --package
"$here/build.sh"
cd "$here/../build"
cpack -G DEB
