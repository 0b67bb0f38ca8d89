#!/usr/bin/env bash
# How the desktop program answers while a long method runs, measured from outside under Xvfb
# with xdotool and window_probe: Gaussian elimination of an 1860 × 1860 system (the largest
# order the input boxes take for it) in the linear-systems window. Prints
#   - the time to repaint the result pane after it is uncovered, idle (the reference) and
#     during the elimination,
#   - the longest gap between two ticks of the main window's clock during the elimination,
#   - the time from a click on 取消 until the method has ended (the button gone),
#   - the longest clock gap over a whole run to its end, the report of 35 MB shown.
# Usage: bench/window_responsiveness.sh [BUILD_DIR]   (default: build, a Release build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

g++ -O2 -std=c++20 -o "$work/probe" bench/window_probe.cpp -lX11
probe() { "$work/probe" "$@"; }
python3 - "$work/system.txt" <<'EOF'
import random, sys
random.seed(1)
n = 1860
with open(sys.argv[1], "w") as f:
    for i in range(n):
        row = [random.randint(-9, 9) for _ in range(n)]
        row[i] = sum(abs(v) for v in row) + 1  # diagonally dominant
        f.write(" ".join(map(str, row + [random.randint(-99, 99)])) + "\n")
EOF

Xvfb "$display" -screen 0 1400x900x24 >/dev/null 2>&1 &
export DISPLAY=$display
sleep 1
"$build/tessaly" >/dev/null 2>&1 &
until xdotool search --onlyvisible --name '^Tessaly$' >/dev/null 2>&1; do sleep 0.2; done
sleep 0.5
main=$(xdotool search --onlyvisible --name '^Tessaly$' | head -1)
xdotool mousemove 177 141 click 1  # 线性方程组的数值解法
until xdotool search --onlyvisible --name '线性方程组' >/dev/null 2>&1; do sleep 0.2; done
sleep 0.5
xdotool windowmove "$main" 730 0
linear=$(xdotool search --onlyvisible --name '线性方程组' | head -1)
xdotool windowmove "$linear" 0 0
sleep 0.5

# Regions, in screen coordinates: the result pane, the main window's clock, the 取消 button.
pane=(340 100 300 300)
clock=(1300 430 70 18)
cancel=(495 500 60 12)

# Opens the system (and says yes to the question about its size).
xdotool mousemove 53 38 click 1
until xdotool search --onlyvisible --name '^打开$' >/dev/null 2>&1; do sleep 0.2; done
xdotool type --delay 10 "$work/system.txt"
xdotool key Return
sleep 1
xdotool key y
sleep 8

# Starts Gauss消去法 and answers the order.
start_gauss() {
  xdotool mousemove 220 8 click 1
  sleep 0.5
  xdotool mousemove 236 30 click 1
  sleep 1
  xdotool type 1860
  xdotool key Return
}

idle=()
for _ in 1 2 3 4 5; do idle+=("$(probe uncover "${pane[@]}")"); sleep 0.2; done
start_gauss
sleep 2  # the system is read and elimination under way
busy=()
for _ in 1 2 3 4 5; do busy+=("$(probe uncover "${pane[@]}")"); sleep 0.2; done
ticks=$(probe ticks "${clock[@]}" 3)
stop=$(probe clear "${cancel[@]}" "xdotool mousemove 527 506 click 1")
sleep 1

start_gauss
whole=$(probe ticks "${clock[@]}" 25)

echo "repaint after uncovering, idle (reference): ${idle[*]} ms"
echo "repaint after uncovering, during elimination: ${busy[*]} ms"
echo "main window clock during elimination (3 s): $ticks"
echo "取消 to the method's end: $stop ms"
echo "main window clock over a whole run and its report (25 s): $whole"
