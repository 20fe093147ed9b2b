#!/usr/bin/env bash
# The Preview command beside a bare read with a line index (the floor) and beside QPlainTextEdit
# showing and colouring the same file (the baseline), on a 150 KB script, a 64 MB binary volume
# and a 10 MB file without line breaks. QPlainTextEdit is measured on an 8 MB binary instead of
# the 64 MB one, which it takes far too long to lay out.
# Usage: bench/preview.sh [path/to/quillfen-bench]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bench="${1:-$here/build/bench/quillfen-bench}"
dir="$(mktemp -d /tmp/quillfen-preview.XXXXXX)"
trap 'rm -rf "$dir"' EXIT

python3 - "$dir" <<'PY'
import os, random, sys
d = sys.argv[1]
rnd = random.Random(1)
words = "ammo setup pack echo exit player team score flag base turret weapon".split()
lines, size, i = [], 0, 0
while size < 150 * 1024:
    k = i % 5
    if k == 0: line = "// %s %s configuration line %d" % (rnd.choice(words), rnd.choice(words), i)
    elif k == 1: line = "$%s%d = %d; // per %s" % (rnd.choice(words), i, i * 3, rnd.choice(words))
    elif k == 2: line = 'function %s%d(%%client) { echo("a//b"); }' % (rnd.choice(words), i)
    elif k == 3: line = '    %s(%%client, %d, "%s");' % (rnd.choice(words), i, rnd.choice(words))
    else: line = ""
    lines.append(line); size += len(line) + 2; i += 1
open(os.path.join(d, "script.cs"), "wb").write("\r\n".join(lines).encode())
open(os.path.join(d, "binary.vol"), "wb").write(rnd.randbytes(64 * 1024 * 1024))
open(os.path.join(d, "binary8.vol"), "wb").write(rnd.randbytes(8 * 1024 * 1024))
chars = "abcdefghijklmnopqrstuvwxyz ABCDEFG0123456789;(){}$%=\"/"
open(os.path.join(d, "oneline.cs"), "wb").write("".join(rnd.choices(chars, k=10 * 1024 * 1024)).encode())
PY

measure() { QT_QPA_PLATFORM=offscreen "$bench" preview "$@" 2>/dev/null | tr '\n' ' '; }
ms() { sed -n 's/.*median_ms=\([0-9.]*\).*/\1/p' <<<"$1"; }
for file in script.cs binary.vol oneline.cs binary8.vol; do
    preview=$(measure "$dir/$file")
    floor=$(measure --floor "$dir/$file")
    echo "$file preview:  $preview"
    echo "$file floor:    $floor"
    awk -v a="$(ms "$preview")" -v b="$(ms "$floor")" \
        'BEGIN { printf "%s preview/floor=%.2f\n", "'"$file"'", a / b }'
    if [[ $file == script.cs || $file == binary8.vol ]]; then
        baseline=$(measure --baseline "$dir/$file")
        echo "$file baseline: $baseline"
        awk -v a="$(ms "$baseline")" -v b="$(ms "$preview")" \
            'BEGIN { printf "%s baseline/preview=%.1f\n", "'"$file"'", a / b }'
    fi
done
