#!/usr/bin/env bash
# Takes the README's pictures again from the built program and fails when one committed in docs/
# no longer shows what the program shows.
# Usage: screenshots_test.sh QUILLON_BINARY WORK_DIR
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
binary=$1
fresh=$2
pictures=(main-window.png composer.png chooser.png general-options.png compiler-options.png)
rm -rf "$fresh"
mkdir -p "$fresh"
QUILLON_BINARY=$binary "$root/scripts/screenshots.sh" "$fresh" >/dev/null

stale=()
for name in "${pictures[@]}"; do
  committed="$root/docs/$name"
  taken="$fresh/$name"
  [ -f "$taken" ] || { echo "FAIL: the script made no $name" >&2; exit 1; }
  if [ ! -f "$committed" ]; then
    stale+=("$name: missing from docs/")
    continue
  fi
  committed_size=$(identify -format '%wx%h' "$committed")
  taken_size=$(identify -format '%wx%h' "$taken")
  if [ "$committed_size" != "$taken_size" ]; then
    stale+=("$name: $taken_size now, $committed_size in docs/")
    continue
  fi
  # Shades within 5% count as equal, so another PNG encoder changes nothing; any pixel beyond is
  # a change.
  status=0
  report=$(compare -metric AE -fuzz 5% "$committed" "$taken" "$fresh/diff-$name" 2>&1) || status=$?
  if [ "$status" -gt 1 ]; then
    echo "FAIL: cannot compare $name: $report" >&2
    exit 1
  fi
  pixels=$(awk '{ printf "%d", $1 }' <<<"$report")
  if [ "$pixels" -gt 0 ]; then
    stale+=("$name: $pixels pixels differ (see $fresh/diff-$name)")
  fi
done

if [ ${#stale[@]} -gt 0 ]; then
  echo "FAIL: pictures in docs/ no longer match the program:" >&2
  printf '  %s\n' "${stale[@]}" >&2
  echo "Regenerate them with scripts/screenshots.sh, look at them and commit docs/." >&2
  exit 1
fi
echo "all ${#pictures[@]} pictures in docs/ match the program"
