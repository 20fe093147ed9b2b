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
cat > "$demo/mission.cs" <<'SCRIPT'
// Ammo setup for the training mission
$ammo = 20; // per pack
$Spawn::Count = 4;
echo("http://example.org//path"); // a "//" in quotes starts a comment too
exit();
x = 4 / 2; / / no comment here

function Mission::onStart() {
    // every player starts with a full pack
    for (%i = 0; %i < $Spawn::Count; %i++)
        Player::setItemCount(%i, "Ammo", $ammo);
}
// last line without a break
SCRIPT
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
# Files page, first file, then the Preview button of the tool bar.
window=$(xdotool search --name "Quillfen - Project Manager" | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool key Tab Right Tab Down
sleep 1
xdotool mousemove $((X + 40)) $((Y + 40)) click 1
sleep 1
xdotool mousemove $((X + 300)) $((Y + 5))
sleep 1
import -window root "$out/preview.png"
# The dialogs: Set File Masks by its key, Rename from the file list's popup menu.
xdotool key ctrl+m
sleep 1
xdotool mousemove $((X + 60)) $((Y + 120)) click 3
sleep 1
xdotool key Up Return
sleep 1
import -window root "$out/dialogs.png"
kill "$app"
echo "screenshots in $out"
