#!/bin/sh
# Builds the window tests with ThreadSanitizer and runs them all once: the worker threads of
# the windows must not race with the windows' own thread. Any report fails the run. Built
# at -O1 with line tables only, which keeps the build short and the reports readable.
# tsan.supp leaves out what Qt, which is not built for the checker, does inside itself.
set -eu
cd "$(dirname "$0")"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=None -DTESSALY_TESTS=ON \
  -DCMAKE_CXX_FLAGS="-O1 -g1 -fsanitize=thread -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
  ${CCACHE:+-DCMAKE_CXX_COMPILER_LAUNCHER=ccache} >/dev/null
cmake --build build-tsan -j"${JOBS:-2}" --target ui_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tsan.supp ${TSAN_OPTIONS:-}" \
  QT_QPA_PLATFORM=offscreen build-tsan/ui_tests
