#!/usr/bin/env bash
# Takes the screenshots the AppStream metainfo shows, under a virtual display, by driving
# the desktop program with xdotool and grabbing its windows with ImageMagick's import.
#   packaging/take_screenshots.sh [BUILD-DIR] [OUT-DIR]
# Needs xvfb, xdotool and imagemagick (apt-get install xvfb xdotool imagemagick).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
out=$(mkdir -p "${2:-$here/screenshots}" && cd "${2:-$here/screenshots}" && pwd)

if [[ -z ${TESSALY_SCREENSHOT_DISPLAY:-} ]]; then
  export TESSALY_SCREENSHOT_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$build" "$out"
fi

window() { xdotool search --sync --onlyvisible --name "$1" | head -1; }
grab() { sleep 1; import -window "$(window "$1")" "$out/$2"; echo "wrote $out/$2"; }
click() { xdotool mousemove --sync "$1" "$2" click 1; sleep 1.5; }

cd "$(mktemp -d)"
"$build/tessaly" & app=$!
trap 'kill $app 2>/dev/null || true' EXIT
window '^Tessaly$' > /dev/null
grab '^Tessaly$' main-window.png

# Bisection for x^2-2 on [1, 2] to 0.0001 in the nonlinear-equations window.
click 487 141
xdotool type --delay 30 'x^2-2'
xdotool key alt+c; sleep 0.7; xdotool key Return; sleep 1
for answer in 1 2 0.0001; do
  xdotool type --delay 30 "$answer"; xdotool key Return; sleep 0.8
done
grab '非线性方程的数值解法' nonlinear-bisection.png
xdotool windowunmap "$(window '非线性方程的数值解法')"

# The composite Cotes rule for sin(x)+1 on [-2, 3] with 20 subintervals.
click 177 353
click 251 127
xdotool type --delay 30 'sin(x)+1'; xdotool key Tab
xdotool type --delay 30 -- '-2'; xdotool key Tab
xdotool type --delay 30 '3'; xdotool key Tab Down Down Tab ctrl+a
xdotool type --delay 30 '20'
click 158 171
grab '复化求积公式' composite-quadrature.png
