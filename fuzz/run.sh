#!/bin/sh
# Builds one libFuzzer target with clang, ASan and UBSan, and runs it.
# Usage: fuzz/run.sh TARGET [seconds]   (default 600), TARGET one of
#   expr            the expression engine (compared with the literal-scan oracle)
#   eigen           the eigenvalue methods (any typed matrix and answers, orders up to 6)
#   table           the function-table readers and the interpolation methods
#   form            the calculus and ODE windows' buttons (every form command)
#   worksheet_text  what a worksheet window makes of a file's bytes
#   roots           the root finders, their step records and step pictures
# New inputs go to build-fuzz/corpus-TARGET; the seeds in fuzz/corpus/TARGET (where there
# are any) are read, not written. fuzz/TARGET.dict is used when it exists. Crashes are
# written as crash-* files in the current directory.
set -e
target=${1:?usage: fuzz/run.sh TARGET [seconds]}
seconds=${2:-600}
root=$(cd "$(dirname "$0")/.." && pwd)
[ -f "$root/fuzz/${target}_fuzz.cpp" ] || { echo "fuzz/run.sh: no target '$target'" >&2; exit 2; }
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -DTESSALY_FUZZ=ON -DTESSALY_UI=OFF \
  -DTESSALY_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build-fuzz" --target "${target}_fuzz" -j"$(nproc)"
mkdir -p "$root/build-fuzz/corpus-$target"
# Formulas are worth fuzzing long; the other targets run a whole method per input.
max_len=4096
[ "$target" = expr ] && max_len=8192
set -- -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=$max_len \
  -print_final_stats=1 "$root/build-fuzz/corpus-$target"
[ -f "$root/fuzz/$target.dict" ] && set -- -dict="$root/fuzz/$target.dict" "$@"
[ -d "$root/fuzz/corpus/$target" ] && set -- "$@" "$root/fuzz/corpus/$target"
exec "$root/build-fuzz/${target}_fuzz" "$@"
