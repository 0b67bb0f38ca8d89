#!/bin/sh
# Builds the window tests with ThreadSanitizer and runs them all once: the worker threads of
# the windows must not race with the windows' own thread. Takes long on a small machine, so
# it is a step of its own rather than part of test.sh.
set -eu
cd "$(dirname "$0")"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALY_TESTS=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
  ${CCACHE:+-DCMAKE_CXX_COMPILER_LAUNCHER=ccache} >/dev/null
cmake --build build-tsan -j"${JOBS:-2}" --target ui_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}" \
  QT_QPA_PLATFORM=offscreen build-tsan/ui_tests
