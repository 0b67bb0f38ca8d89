#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test with ctest:
# the Release build (engine, command line and window tests), the Debian package made from
# it and checked, the engine tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the window tests under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
JOBS=$(nproc)

scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTESSALY_TESTS=ON > /dev/null
cmake --build build -j"$JOBS"
(cd build && ctest --output-on-failure -j"$JOBS")

# The Debian package from the same Release build, checked as ./package.sh checks it.
./package.sh

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALY_SANITIZE=ON > /dev/null
cmake --build build-asan -j"$JOBS" --target engine_tests
(cd build-asan && ctest --output-on-failure -j"$JOBS")

# Methods run beside their windows: the window tests once under ThreadSanitizer.
JOBS=$JOBS ./tsan.sh
