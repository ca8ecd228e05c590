#!/usr/bin/env bash
# Builds the whole project a second time, in build-asan, with AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs every test there. Any report fails
# the run: UBSan does not recover, ASan stops at the first error, and leaks
# are errors (third-party libraries' own leaks are suppressed by
# tests/sanitizers/lsan.supp; our code is never listed there).
#
# Usage: scripts/sanitize.sh [ctest arguments...]
# Environment: CXX picks the compiler (default g++; clang++ works too).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-asan
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1 -g"

CXX=${CXX:-g++} cmake -S . -B $build -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build $build -j2

supp=$PWD/tests/sanitizers/lsan.supp
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export LSAN_OPTIONS=suppressions=$supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir $build --output-on-failure -j2 --timeout 900 "$@"
