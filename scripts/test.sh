#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. Exits non-zero on a failure.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/deps.sh"
"$here/scripts/build.sh"
cd "$here"
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ctest --preset default
# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer (g++'s own, so no
# extra packages); a sanitizer report aborts the test that caused it, which fails the run.
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
