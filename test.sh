#!/usr/bin/env bash
# Installs what is missing, builds Factorix and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFACTORIX_TESTS=ON -DFACTORIX_WERROR=ON >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"

# The same suite again under AddressSanitizer and UBSan, then the fuzzers.
# Both belong to every run: a missing script is a broken tree, not a step
# to leave out.
for script in scripts/sanitize.sh fuzz.sh; do
  if [[ ! -x $script ]]; then
    echo "test.sh: $script is missing or not executable" >&2
    exit 1
  fi
done
scripts/sanitize.sh
./fuzz.sh 30
