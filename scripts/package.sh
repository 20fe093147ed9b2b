#!/usr/bin/env bash
# Builds the Debian package from a clean release build in build-package/, apart from the
# development build in build/, and prints the path of the .deb it wrote.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/deps.sh"
out="$here/build-package"
# A package build never reuses an old cache: a stale option or prefix would ship silently.
rm -rf "$out"
cmake -S "$here" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DQUILLFEN_BUILD_TESTS=OFF -DQUILLFEN_BUILD_BENCH=OFF >/dev/null
cmake --build "$out"
cd "$out"
cpack -G DEB
ls "$out"/quillfen_*.deb
