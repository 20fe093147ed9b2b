#!/usr/bin/env bash
# Takes screenshots of the splash and the main window under Xvfb into docs/screenshots.
# Needs xvfb, xdotool and imagemagick (import).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$here/docs/screenshots"
mkdir -p "$out"
demo="$(mktemp -d)"
trap 'rm -rf "$demo"' EXIT
mkdir -p "$demo/Data" "$demo/scripts"
printf '// Ammo setup\r\n$ammo = 20; // per pack\r\necho("a//b"); // note\r\nexit();\r\n' > "$demo/mission.cs"
printf 'volume\r\n' > "$demo/base.vol"
printf 'notes\r\n' > "$demo/readme.txt"

display=:97
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$demo"' EXIT
export DISPLAY="$display"
sleep 1
cd "$demo"
"$here/build/src/app/quillfen" &
app=$!
sleep 2
import -window root "$out/splash.png"
# A click on the black area left of the logo opens the main window.
xdotool mousemove $(( (1024 - 393) / 2 + 40 )) $(( (768 - 318) / 2 + 40 )) click 1
sleep 2
import -window root "$out/main.png"
kill "$app"
echo "screenshots in $out"
