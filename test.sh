#!/usr/bin/env bash
# Installs what is missing, builds Factorix and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

# Runs one step and says how long it took, so that a run's log shows where
# its time goes (the whole must stay well inside CI's 90 minutes).
step() {
  local name=$1 started=$SECONDS
  shift
  "$@"
  echo "test.sh: $name took $((SECONDS - started)) s" >&2
}

step "installing packages" scripts/ensure-deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFACTORIX_TESTS=ON -DFACTORIX_WERROR=ON >/dev/null
step "build" cmake --build build -j"$(nproc)"
step "ctest" ctest --test-dir build --output-on-failure -j"$(nproc)"

# The same suite again under AddressSanitizer and UBSan, then the fuzzers.
# Both belong to every run: a missing script is a broken tree, not a step
# to leave out.
for script in scripts/sanitize.sh fuzz.sh; do
  if [[ ! -x $script ]]; then
    echo "test.sh: $script is missing or not executable" >&2
    exit 1
  fi
done
step "sanitizer build and ctest" scripts/sanitize.sh
step "fuzzing" ./fuzz.sh 30
