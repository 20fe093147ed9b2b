#!/usr/bin/env bash
# The Preview command on a gibibyte of script lines with CR LF breaks, beside the floor (a bare
# read into a fresh buffer with a line index) measured in the same run: how long the pane is
# busy and how much memory it takes. Needs about 1.1 GiB free in /tmp.
# Usage: bench/preview-gigabyte.sh [path/to/quillfen-bench]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bench="${1:-$here/build/bench/quillfen-bench}"
dir="$(mktemp -d /tmp/quillfen-gigabyte.XXXXXX)"
trap 'rm -rf "$dir"' EXIT

python3 - "$dir/huge.cs" <<'PY'
import sys
block = bytearray()
i = 0
while len(block) < 1024 * 1024:
    block += b"function f%d() { return %d; } // comment\r\n" % (i, i)
    i += 1
block = bytes(block[:1024 * 1024 - 2]) + b"\r\n"
with open(sys.argv[1], "wb") as out:
    for _ in range(1024):
        out.write(block)
    out.write(b"exit(); // the last line")
PY

measure() { QT_QPA_PLATFORM=offscreen "$bench" preview "$@" 2>/dev/null | tr '\n' ' '; }
ms() { sed -n 's/.*median_ms=\([0-9.]*\).*/\1/p' <<<"$1"; }
preview=$(measure "$dir/huge.cs")
floor=$(measure --floor "$dir/huge.cs")
echo "huge.cs preview: $preview"
echo "huge.cs floor:   $floor"
awk -v a="$(ms "$preview")" -v b="$(ms "$floor")" \
    'BEGIN { printf "huge.cs preview/floor=%.2f\n", a / b }'
