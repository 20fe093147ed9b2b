#!/usr/bin/env bash
# Line 1 of a 10 MB single-line settings file through the text reader, beside a plain read of
# the same bytes into memory, both as the median of several runs in this one invocation.
# Usage: bench/maskline.sh [path/to/quillfen-bench]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bench="${1:-$here/build/bench/quillfen-bench}"
file="$(mktemp /tmp/quillfen-maskline.XXXXXX)"
trap 'rm -f "$file"' EXIT

{ head -c $((10 * 1024 * 1024)) /dev/zero | tr '\0' 'm'; printf '\r\n*.ignored\r\n'; } >"$file"

line_ms=$("$bench" maskline "$file" | sed -n 's/^median_ms=//p')
plain_ms=$("$bench" maskline --plain "$file" | sed -n 's/^median_ms=//p')
echo "text reader, line 1: median_ms=$line_ms"
echo "plain read:          median_ms=$plain_ms"
awk -v a="$line_ms" -v b="$plain_ms" 'BEGIN { printf "ratio=%.2f\n", a / b }'
