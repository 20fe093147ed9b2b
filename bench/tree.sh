#!/usr/bin/env bash
# The directory tree's "*" on a tree of 20,000 directories beside find listing the same
# directories, and its "+" on one directory of 10,000 subdirectories beside find listing that
# one level; each figure the median of several runs.
# Usage: bench/tree.sh [path/to/quillfen-bench]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bench="${1:-$here/build/bench/quillfen-bench}"
dir="$(mktemp -d /tmp/quillfen-tree.XXXXXX)"
trap 'rm -rf "$dir"' EXIT

# 20 x 10 x 99 directories below deep/, 20,220 in all; 10,000 side by side in wide/.
mkdir -p "$dir"/deep/top{00..19}/Mid{0..9}/leaf{00..98}
mkdir -p "$dir"/wide/sub{00000..09999}

runs=9
# The median, in milliseconds, of timing the command given.
reference() {
    local times=() start end
    for ((i = 0; i <= runs; i++)); do
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        ((i > 0)) && times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p" |
        awk '{ printf "%.2f\n", $1 / 1000 }'
}
all_dirs() { find "$dir/deep" -type d | wc -l; }
one_level() { find "$dir/wide" -mindepth 1 -maxdepth 1 -type d; }

figure() { QT_QPA_PLATFORM=offscreen "$bench" "$@" 2>/dev/null | sed -n 's/^median_ms=//p'; }
star_ms=$(figure tree "$dir/deep")
find_all_ms=$(reference all_dirs)
expand_ms=$(figure tree-expand "$dir/wide")
find_one_ms=$(reference one_level)

echo "tree '*' on 20,220 directories:      median_ms=$star_ms"
echo "find -type d | wc -l:                median_ms=$find_all_ms"
awk -v a="$star_ms" -v b="$find_all_ms" 'BEGIN { printf "ratio=%.2f\n", a / b }'
echo "tree '+' on 10,000 subdirectories:   median_ms=$expand_ms"
echo "find -mindepth 1 -maxdepth 1 -type d: median_ms=$find_one_ms"
awk -v a="$expand_ms" -v b="$find_one_ms" 'BEGIN { printf "ratio=%.2f\n", a / b }'
