#!/usr/bin/env bash
# The file list's re-read of a 100,000-file directory, about half of it matching "*.cs;*.vol",
# beside a plain find | sort of the same names, both as the median of several runs.
# Usage: bench/list.sh [path/to/quillfen-bench]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bench="${1:-$here/build/bench/quillfen-bench}"
dir="$(mktemp -d /tmp/quillfen-list.XXXXXX)"
trap 'rm -rf "$dir"' EXIT

# Names in mixed case so that the case-folded sort and matching have work to do.
python3 - "$dir" <<'PY'
import os, sys
d = sys.argv[1]
ext = ["cs", "VOL", "txt", "dat"]
for i in range(100000):
    name = "%s%06d_%x.%s" % ("Mission" if i % 3 else "script", (i * 7919) % 1000003, i, ext[i % 4])
    os.close(os.open(os.path.join(d, name), os.O_CREAT | os.O_WRONLY, 0o644))
PY

runs=9
reference() {
    local times=() start end
    for ((i = 0; i <= runs; i++)); do
        start=$(date +%s%N)
        LC_ALL=C find "$dir" -maxdepth 1 -type f \( -iname '*.cs' -o -iname '*.vol' \) |
            LC_ALL=C sort -f >/dev/null
        end=$(date +%s%N)
        ((i > 0)) && times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p" |
        awk '{ printf "%.2f\n", $1 / 1000 }'
}

list_ms=$(QT_QPA_PLATFORM=offscreen "$bench" list "$dir" '*.cs;*.vol' | sed -n 's/^median_ms=//p')
scroll_ms=$(QT_QPA_PLATFORM=offscreen "$bench" list-scroll "$dir" '*.cs;*.vol' | sed -n 's/^median_ms=//p')
find_ms=$(reference)
echo "file list re-read:  median_ms=$list_ms"
echo "find | sort -f:     median_ms=$find_ms"
echo "scroll to the end:  median_ms=$scroll_ms (one frame is 16.7 ms)"
awk -v a="$list_ms" -v b="$find_ms" 'BEGIN { printf "ratio=%.2f\n", a / b }'
