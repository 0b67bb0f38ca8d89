#!/bin/sh
# Builds the form-command fuzz target (the calculus and ODE windows' buttons) with clang,
# ASan and UBSan, and runs it. Usage: fuzz/run_form_fuzz.sh [seconds]   (default 600).
# New inputs go to build-fuzz/corpus-form; the seeds in fuzz/corpus/form are read, not
# written. Crashes are written as crash-* files in the current directory.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -DTESSALY_FUZZ=ON -DTESSALY_UI=OFF \
  -DTESSALY_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build-fuzz" --target form_fuzz -j"$(nproc)"
mkdir -p "$root/build-fuzz/corpus-form"
exec "$root/build-fuzz/form_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=4096 -print_final_stats=1 -dict="$root/fuzz/form.dict" \
  "$root/build-fuzz/corpus-form" "$root/fuzz/corpus/form"
