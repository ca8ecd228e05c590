#!/usr/bin/env bash
# Measures the window's speed on a private X server:
#  - start-up, from launching the program to its window's first paint
#    (`factorix`, which starts the drawing program in its place);
#  - "Calcular", from the click to the last line drawn (or to the message
#    box on screen), with its processor time, for every row of the
#    benchmark corpus, and the arrows, the wheel and clearing with the
#    longest result on the window;
#  - «Resolución paso a paso» from the heading and from line 1, from the
#    call to the window drawn, for the corpus, the stress rows, degree 30
#    with 20-digit and degree 200 with 60-digit coefficients.
# Timings are noisy, so this is not part of ./test.sh. Usage:
#   scripts/measure-ui.sh [BUILD_DIR] [STARTS] [RUNS]   (default build 15 7)
# The accessibility bridge stays off unless a screen reader asks for it,
# as on a usual desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
starts=${2:-15}
runs=${3:-7}
corpus=${FACTORIX_CORPUS:-$(pwd)/../shared/bench/corpus.txt}
stress=${FACTORIX_STRESS:-$(pwd)/../shared/bench/stress.txt}

cmake --build "$build" -j"$(nproc)" --target factorix factorix-gui factorix-measure-ui >/dev/null
export -n QT_LINUX_ACCESSIBILITY_ALWAYS_ON 2>/dev/null || true
tests/e2e/run-x11.sh env -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON -u QT_ACCESSIBILITY \
  /usr/bin/python3 scripts/measure_startup.py "$build/bin/factorix" "$starts" 2>/dev/null
echo
tests/e2e/run-x11.sh env -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON -u QT_ACCESSIBILITY \
  "$build/tests/app/factorix-measure-ui" "$corpus" "$runs" "$stress" 2> >(grep -v XDG_RUNTIME_DIR >&2)
echo
echo "With accessibility on and a screen reader's listener:"
grep '^g02' "$corpus" >"${TMPDIR:-/tmp}/factorix-g02.txt"
tests/e2e/run-x11.sh /usr/bin/python3 scripts/with_screen_reader.py \
  "$build/tests/app/factorix-measure-ui" "${TMPDIR:-/tmp}/factorix-g02.txt" "$runs" 2>/dev/null |
  awk '/^(row|g02_)/ && !seen[$1]++ || /^screen reader/'
rm -f "${TMPDIR:-/tmp}/factorix-g02.txt"
