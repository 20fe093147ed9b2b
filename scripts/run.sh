#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quillfen in the current directory.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/deps.sh"
"$here/scripts/build.sh"
exec "$here/build/src/app/quillfen" "$@"
