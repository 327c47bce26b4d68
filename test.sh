#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test:
#   1. the whole program and its tests (CTest, slow label left out unless QUARVEL_SLOW=1):
#      the widget tests offscreen, those labelled "display" on a virtual X server,
#   2. the libraries without widgets again under AddressSanitizer and UndefinedBehaviorSanitizer,
#   3. every target in the Release configuration that run.sh and packagers build,
#   4. when clang is present, each fuzzer for a short while.
# Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh

export CCACHE_BASEDIR="$PWD"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
jobs=$(nproc)
ctest_filter=(-LE 'slow|display')
sanitize_filter=(-LE slow)
if [ "${QUARVEL_SLOW:-0}" = 1 ]; then
  ctest_filter=(-LE display)
  sanitize_filter=()
fi

echo "== build and test"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j"$jobs" "${ctest_filter[@]}"

# The tests that need a real X server. They fail rather than skip when the
# display is missing, and finding none of them is an error too.
echo "== tests on a virtual display"
QT_QPA_PLATFORM=xcb xvfb-run -a ctest --test-dir build/test --output-on-failure --no-tests=error -L display

echo "== sanitizers: libraries without widgets"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUARVEL_CORE_ONLY=ON -DQUARVEL_SANITIZE=ON -DQUARVEL_BENCH=OFF >/dev/null
cmake --build build/sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize --output-on-failure -j"$jobs" "${sanitize_filter[@]}"

# Optimisers raise warnings of their own, and warnings are errors: the
# release configuration must build with the defaults too. Its tests are the
# ones above, so they are left out; the folder is the one run.sh uses.
echo "== release build"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUARVEL_TESTS=OFF -DQUARVEL_BENCH=ON >/dev/null
cmake --build build/release

if command -v clang++ >/dev/null 2>&1; then
  echo "== fuzzers"
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUARVEL_CORE_ONLY=ON -DQUARVEL_FUZZ=ON -DQUARVEL_BENCH=OFF >/dev/null
  cmake --build build/fuzz --target fuzzers
  seconds="${QUARVEL_FUZZ_SECONDS:-15}"
  for fuzzer in build/fuzz/fuzz/*; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    work=$(mktemp -d)
    seeds="tests/fuzz/corpus/$name"
    echo "-- $name for ${seconds}s"
    if ! "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 \
        "$work" $( [ -d "$seeds" ] && echo "$seeds" ) >"$work.log" 2>&1; then
      tail -n 60 "$work.log"
      echo "fuzzer $name failed"
      exit 1
    fi
    tail -n 1 "$work.log"
    rm -rf "$work" "$work.log"
  done
fi

echo "== all tests passed"
