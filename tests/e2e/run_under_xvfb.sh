#!/usr/bin/env bash
# Runs one end-to-end test script against the built binary on a private X server.
# Usage: run_under_xvfb.sh TEST_SCRIPT QUILLON_BINARY
set -euo pipefail
test_script=$1
export QUILLON_BINARY=$2
export E2E_DIR
E2E_DIR="$(cd "$(dirname "$0")" && pwd)"

# Xvfb picks a free display itself and writes its number once it accepts clients, so servers
# started at the same time by other test runs never race for a number.
server_dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$server_dir/display" \
  > "$server_dir/log" 2>&1 &
server_pid=$!
stop_server() {
  kill "$server_pid" 2>/dev/null || true
  wait "$server_pid" 2>/dev/null || true
  rm -rf "$server_dir"
}
trap stop_server EXIT

deadline=$((SECONDS + 20))
until grep -q '^[0-9][0-9]*$' "$server_dir/display" 2>/dev/null; do
  if ! kill -0 "$server_pid" 2>/dev/null || [ $SECONDS -ge $deadline ]; then
    cat "$server_dir/log" >&2
    echo "FAIL: the X server did not start" >&2
    exit 1
  fi
  sleep 0.05
done
export DISPLAY=":$(cat "$server_dir/display")"
bash "$test_script"
