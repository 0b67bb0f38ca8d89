#!/bin/sh
# Builds the function-table fuzz target with clang, ASan and UBSan, and runs it.
# Usage: fuzz/run_table_fuzz.sh [seconds]   (default 600). New inputs go to
# build-fuzz/corpus-table; the seeds in fuzz/corpus/table are read, not written. Crashes are
# written as crash-* files in the current directory.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -DTESSALY_FUZZ=ON -DTESSALY_UI=OFF \
  -DTESSALY_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build-fuzz" --target table_fuzz -j"$(nproc)"
mkdir -p "$root/build-fuzz/corpus-table"
exec "$root/build-fuzz/table_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=4096 -print_final_stats=1 -dict="$root/fuzz/table.dict" \
  "$root/build-fuzz/corpus-table" "$root/fuzz/corpus/table"
