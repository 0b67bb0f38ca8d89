#!/bin/sh
# Builds the worksheet-text fuzz target with clang, ASan and UBSan, and runs it.
# Usage: fuzz/run_worksheet_text_fuzz.sh [seconds]   (default 600). New inputs go to
# build-fuzz/corpus-worksheet-text. Crashes are written as crash-* files in the current
# directory.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -DTESSALY_FUZZ=ON -DTESSALY_UI=OFF \
  -DTESSALY_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build-fuzz" --target worksheet_text_fuzz -j"$(nproc)"
mkdir -p "$root/build-fuzz/corpus-worksheet-text"
exec "$root/build-fuzz/worksheet_text_fuzz" -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 "$root/build-fuzz/corpus-worksheet-text"
