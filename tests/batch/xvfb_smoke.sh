#!/usr/bin/env bash
# Starts shadowbench from the run directory on a virtual X server, as a user would, takes a screenshot of
# the whole screen and checks that the main window is on it: a window of the main window's title and size,
# showing its light-yellow step buttons, and nothing of that colour elsewhere on the bare screen.
# Usage: xvfb_smoke.sh RUN_DIR OUTPUT_DIR. Exits 77 (skipped, said on its output) without Xvfb, xdotool
# or ImageMagick.
set -euo pipefail
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed (scripts/setup installs it)"; exit 77; }
done
run=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out"

# The server takes the first free display itself and names it, so runs side by side never share one.
number_file=$(mktemp)
program=
xvfb=
cleanup() {
  set +e
  for pid in $program $xvfb; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  rm -f "$number_file"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
[ -s "$number_file" ] || { echo "xvfb_smoke: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -1 "$number_file")
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

cd "$run"
./shadowbench &
program=$!
window=
for _ in $(seq 60); do
  window=$(xdotool search --onlyvisible --name "shadowbench" 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.25
done
[ -n "$window" ] || { echo "xvfb_smoke: the main window did not appear"; exit 1; }
sleep 1
shot="$out/xvfb_shadowbench.png"
import -window root "$shot"
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "$shot: main window ${WIDTH}x${HEIGHT} at ${X},${Y}"

# The main window is 9255 x 6645 twips, 617 x 443 pixels.
[ "$WIDTH" -eq 617 ] && [ "$HEIGHT" -eq 443 ] || { echo "xvfb_smoke: the main window is ${WIDTH}x${HEIGHT}"; exit 1; }
# Pixels of the step buttons' light yellow (RGB 255, 255, 192) in a picture.
light_yellow() {
  convert "$@" -fill black +opaque "rgb(255,255,192)" -fill white -opaque "rgb(255,255,192)" \
    -format "%[fx:round(mean*w*h)]" info:
}
inside=$(light_yellow "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage)
everywhere=$(light_yellow "$shot")
echo "light-yellow pixels: $inside in the window, $everywhere on the screen"
# Five buttons of about 260 x 36 pixels and one of 36 x 36 hold far more than 5000 of them.
[ "$inside" -gt 5000 ] || { echo "xvfb_smoke: the main window's buttons are not on the screenshot"; exit 1; }
[ "$inside" -eq "$everywhere" ] || { echo "xvfb_smoke: the buttons' colour lies outside the window"; exit 1; }
kill -0 "$program" || { echo "xvfb_smoke: shadowbench ended by itself"; exit 1; }
