#!/usr/bin/env bash
# Installs what is missing, builds Factorix and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-deps.sh "${BUILD_PACKAGES[@]}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFACTORIX_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)"
if [[ -x build/bin/factorix ]]; then
  exec build/bin/factorix "$@"
fi
echo "Factorix: the engine is built; the window does not exist yet."
