#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in Release and runs them. Each benchmark
# prints its reference (muparser, or the same work in plain loops) measured in the same run.
# Usage: ./bench.sh [expr|linear|linear2|check|eigen|calculus|ode|step_picture|worker]...
# (default: all but worker; the worker's bench needs the window layer, built only for it)
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
which=("$@")
ui=OFF
for b in "${which[@]}"; do [[ $b == worker ]] && ui=ON; done
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTESSALY_BENCH=ON -DTESSALY_UI=$ui > /dev/null
if ((${#which[@]} == 0)); then which=(expr linear linear2 check eigen calculus ode step_picture); fi
for b in "${which[@]}"; do
  cmake --build build-bench -j"$(nproc)" --target "${b}_bench"
  echo "== ${b}_bench"
  "build-bench/${b}_bench"
done
