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
if [[ -x scripts/sanitize.sh ]]; then scripts/sanitize.sh; fi
if [[ -x fuzz.sh ]]; then ./fuzz.sh 30; fi
