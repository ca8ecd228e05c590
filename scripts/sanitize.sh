#!/usr/bin/env bash
# Builds the whole project a second time, in build-asan, with AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs every test there, the end-to-end
# tests included. Any report fails the run: UBSan does not recover, ASan stops
# at the first error, and leaks are errors (third-party libraries' own leaks
# are suppressed by tests/sanitizers/lsan.supp; our code is never listed
# there).
#
# Reports are written to files under build-asan/sanitizer-reports/ as well,
# one per process, so that a report from a program that a test starts and
# ends itself (the end-to-end tests stop theirs with SIGTERM) fails the run
# even when the test does not notice it. They are printed at the end.
#
# Usage: scripts/sanitize.sh [ctest arguments...]
# Environment: CXX picks the compiler (default clang++, whose UBSan honours
# log_path; g++ works too, but then a UBSan report only fails its own process).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-asan
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1 -g"

cxx=$(command -v "${CXX:-clang++}")
# A folder configured for another compiler cannot be reconfigured in place.
if [[ -f $build/CMakeCache.txt ]] && ! grep -qx "CMAKE_CXX_COMPILER:[A-Z]*=$cxx" $build/CMakeCache.txt; then
  rm -rf $build
fi
CXX=$cxx cmake -S . -B $build -DCMAKE_BUILD_TYPE=Debug -DFACTORIX_WERROR=ON \
  -DCMAKE_CXX_FLAGS_DEBUG="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build $build -j2
echo "sanitize: the build took $SECONDS s" >&2

reports=$PWD/$build/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"
supp=$PWD/tests/sanitizers/lsan.supp
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:log_path=$reports/asan
export LSAN_OPTIONS=suppressions=$supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan

status=0
built=$SECONDS
ctest --test-dir $build --output-on-failure -j2 --timeout 900 "$@" || status=$?
echo "sanitize: ctest took $((SECONDS - built)) s" >&2

shopt -s nullglob
found=("$reports"/*)
if (( ${#found[@]} > 0 )); then
  for report in "${found[@]}"; do
    echo "=== sanitizer report ${report#"$PWD"/} ===" >&2
    cat "$report" >&2
  done
  echo "sanitize: ${#found[@]} sanitizer report(s); see above" >&2
  (( status != 0 )) || status=1
fi
exit $status
