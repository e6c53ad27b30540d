#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the normal build, the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, the core-only build, and each fuzz
# target for a bounded time. Warnings are errors throughout.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh --for-tests

corpus="${QUILLON_RTF_CORPUS:-}"
if [ -z "$corpus" ] && [ -d ../shared/corpus/rtf ]; then
  corpus="$(cd ../shared/corpus/rtf && pwd)"
fi
if [ -n "${CI:-}" ] && [ ! -d "$corpus" ]; then
  echo "The RTF corpus (../shared/corpus/rtf) is missing" >&2
  exit 1
fi

jobs=$(nproc)
fuzz_seconds="${QUILLON_FUZZ_SECONDS:-30}"

# configure_and_test BUILD_DIR "CTEST ARGS" CMAKE ARGS...
configure_and_test() {
  local dir=$1 ctest_args=$2
  shift 2
  cmake -S . -B "$dir" -G Ninja -DQUILLON_RTF_CORPUS="$corpus" "$@"
  cmake --build "$dir" -j "$jobs"
  # shellcheck disable=SC2086
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" $ctest_args
}

echo "== Core alone, without Qt"
configure_and_test build/core-only "" -DCMAKE_BUILD_TYPE=Debug -DQUILLON_CORE_ONLY=ON

echo "== Under AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  configure_and_test build/asan "-LE e2e" -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON

echo "== Fuzz targets, ${fuzz_seconds} s each"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DQUILLON_CORE_ONLY=ON -DQUILLON_FUZZ=ON
cmake --build build/fuzz -j "$jobs"
for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  work="build/fuzz/corpus-$name"
  mkdir -p "$work"
  seeds="$root/fuzz/seeds/${name#fuzz_}"
  [ -d "$seeds" ] || seeds=""
  echo "-- $name"
  "$target" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    "$work" ${seeds:+"$seeds"} 2>&1 | tail -n 5
done

echo "== Normal build, the whole suite"
configure_and_test build/normal "" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_BENCH=ON
