#!/usr/bin/env bash
# Runs a validator, or fails with the Debian package to install when it is missing: a check
# that quietly does nothing when its tool is absent would pass on every machine.
# usage: require-tool.sh <debian package> <command> [arguments...]
set -euo pipefail
package="$1"
shift
if ! command -v "$1" >/dev/null 2>&1; then
    echo "FAILED: '$1' not found; install the Debian package $package (scripts/deps.sh does)" >&2
    exit 1
fi
exec "$@"
