#!/usr/bin/env bash
# Fuzzes the engine: arbitrary bytes as a formula text through the whole
# search, and as an expression through the evaluator, both at once, each for
# SECONDS (default 60). Builds build-fuzz with clang and libFuzzer when needed.
#
# Each run starts from a scratch copy of tests/fuzz/corpus/<target>/, so the
# repository is not touched. An input that crashes, hangs past the timeout,
# leaks or exceeds the memory limit fails the run; libFuzzer saves it under
# tests/fuzz/artifacts/. Once the fault is fixed, copy that file into
# tests/fuzz/corpus/<target>/ so that every test run replays it.
#
# Usage: ./fuzz.sh [SECONDS]
# Environment: FUZZ_TIMEOUT (seconds per input, default 15), FUZZ_RSS_MB
# (default 2048), FUZZ_MAX_LEN (bytes per input, default 1024).
#
# The timeout stands well above the search's own bounds of wall time (one
# second to list the divisors, five to evaluate the candidates), which the
# instrumented build may reach more slowly: an input that runs past it is a
# search that does not stop.
set -euo pipefail
cd "$(dirname "$0")"

seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || (( seconds < 1 )); then
  echo "usage: $0 [SECONDS]" >&2
  exit 2
fi
timeout_s=${FUZZ_TIMEOUT:-15}
rss_mb=${FUZZ_RSS_MB:-2048}
max_len=${FUZZ_MAX_LEN:-1024}

build=build-fuzz
if [[ ! -f $build/CMakeCache.txt ]]; then
  CXX=clang++ cmake -S . -B $build -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFACTORIX_FUZZ=ON -DFACTORIX_GUI=OFF >/dev/null
else
  cmake $build >/dev/null
fi

# The targets whose engine code exists in this tree (see tests/fuzz/CMakeLists.txt).
mapfile -t targets < <(cmake --build $build --target help | sed -n 's/^\.\.\. fuzz_\([a-z_]*\)$/\1/p')
if (( ${#targets[@]} == 0 )); then
  echo "fuzz: no fuzz target in this tree yet; nothing to run"
  exit 0
fi
cmake --build $build -j2 --target "${targets[@]/#/fuzz_}"

artifacts=tests/fuzz/artifacts
mkdir -p $artifacts
scratch=$(mktemp -d "${TMPDIR:-/tmp}/factorix-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

pids=()
for t in "${targets[@]}"; do
  mkdir -p "$scratch/$t"
  cp -r "tests/fuzz/corpus/$t/." "$scratch/$t/"
  "$build/tests/fuzz/fuzz_$t" "$scratch/$t" \
    -dict=tests/fuzz/formula.dict \
    -max_total_time="$seconds" -timeout="$timeout_s" -rss_limit_mb="$rss_mb" \
    -max_len="$max_len" -print_final_stats=1 \
    -artifact_prefix="$artifacts/$t-" >"$scratch/$t.log" 2>&1 &
  pids+=($!)
done

failed=0
for i in "${!targets[@]}"; do
  t=${targets[$i]}
  status=0
  wait "${pids[$i]}" || status=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$t.log" | tail -1)
  if (( status == 0 )); then
    echo "fuzz $t: ${execs:-?} executions in ${seconds} s, no finding"
  else
    failed=1
    echo "fuzz $t: FINDING after ${execs:-?} executions (exit status $status)" >&2
    tail -n 60 "$scratch/$t.log" >&2
    echo "fuzz $t: the input is saved under $artifacts/; fix the fault, then copy it into tests/fuzz/corpus/$t/" >&2
  fi
done
exit $failed
