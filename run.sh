#!/usr/bin/env bash
# Installs what is missing, builds Tessaly in Release and starts the desktop program.
# Without a display it runs a sample problem through tessaly-cli instead.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTESSALY_TESTS=OFF > /dev/null
cmake --build build -j"$(nproc)"

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && -x build/tessaly ]]; then
  exec build/tessaly "$@"
fi
echo "No display found: solving the sample equation examples/equation.txt by bisection with tessaly-cli instead."
build/tessaly-cli run Ultra.CalculateDichotomy --input examples/equation.txt \
  --answer 1 --answer 2 --answer 0.0001 --lf
echo
