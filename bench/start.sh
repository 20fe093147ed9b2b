#!/usr/bin/env bash
# Starting the editor detached, beside a plain spawn-and-wait of the same trivial program, both
# as the median of several runs in this one invocation.
# Usage: bench/start.sh [path/to/quillfen-bench] [program]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bench="${1:-$here/build/bench/quillfen-bench}"
program="${2:-/bin/true}"

start_ms=$("$bench" start "$program" | sed -n 's/^median_ms=//p')
spawn_ms=$("$bench" start --spawn "$program" | sed -n 's/^median_ms=//p')
echo "detached start:  median_ms=$start_ms"
echo "spawn and wait:  median_ms=$spawn_ms"
awk -v a="$start_ms" -v b="$spawn_ms" 'BEGIN { printf "ratio=%.2f\n", a / b }'
